#pragma once

// Command ids of the main window's menus, accelerators and toolbar, and the
// ids of the four menu bars. Help contexts and status prompts are keyed by
// these numbers, so they must not change.
namespace qb::cmd {

// File
inline constexpr int kFileNew = 57600;
inline constexpr int kOpenFromMap = 32806;
inline constexpr int kFileOpen = 57601;
inline constexpr int kSearchFolder = 32817;
inline constexpr int kFileClose = 57602;
inline constexpr int kSavePlaces = 32820;
inline constexpr int kPrintMap = 32835;
inline constexpr int kFilePrint = 57607;
inline constexpr int kPrintPreview = 57609;
inline constexpr int kPrintSetup = 57606;
inline constexpr int kMargins = 32794;
inline constexpr int kRecentFile = 57616;
inline constexpr int kAppExit = 57665;

// Edit
inline constexpr int kCopyBitmap = 32777;
inline constexpr int kCopyPicture = 32778;
inline constexpr int kEditPaste = 57637;
inline constexpr int kEditCut = 57635;
inline constexpr int kEditCopy = 57634;
inline constexpr int kEditUndo = 57643;

// View
inline constexpr int kViewToolbar = 59392;
inline constexpr int kViewStatusBar = 59393;
inline constexpr int kShow2D = 32782;
inline constexpr int kShowMap = 32772;
inline constexpr int kShowRender = 32773;
inline constexpr int kRotateRight = 32779;
inline constexpr int kRotateLeft = 32795;
inline constexpr int kZoomIn = 32793;
inline constexpr int kZoomOut = 32792;
inline constexpr int kShowNames = 32822;
inline constexpr int kMoveEast = 32809;
inline constexpr int kMoveWest = 32808;
inline constexpr int kMoveSouth = 32811;
inline constexpr int kMoveNorth = 32810;
inline constexpr int kMapInfo = 32803;

// Settings
inline constexpr int kFonts = 32775;
inline constexpr int kPlaceDisplay = 32776;
inline constexpr int kLightPosition = 32785;
inline constexpr int kZoomDialog = 32786;
inline constexpr int kResolution = 32787;
inline constexpr int kColours = 143;
inline constexpr int kDataDrive = 32813;
inline constexpr int kFolderSettings = 32797;
inline constexpr int kHeightScale = 32805;
inline constexpr int k2DMethod = 32815;
// The label font of the map view.
inline constexpr int kMemoryFont = 32836;

// Window
inline constexpr int kCascade = 57650;
inline constexpr int kTile = 32774;
inline constexpr int kArrangeIcons = 57649;
inline constexpr int kNextPane = 57680;
inline constexpr int kPrevPane = 57681;

// Help
inline constexpr int kHelpIndex = 57667;
inline constexpr int kAbout = 57664;
inline constexpr int kHelp = 57670;
inline constexpr int kContextHelp = 57669;

// Menu bars: without a document, and one per view kind.
inline constexpr int kMenuNoDocument = 128;
inline constexpr int kMenu2D = 131;
inline constexpr int kMenuMap = 129;
inline constexpr int kMenuRender = 133;

} // namespace qb::cmd
