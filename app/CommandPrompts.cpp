#include "app/CommandTable.h"

#include "app/CommandIds.h"

#include <algorithm>
#include <array>
#include <utility>

namespace qb {
namespace {

using namespace cmd;

// The status text and, after the line break, the tooltip of every command
// that a menu or the toolbar offers.
constexpr std::array<std::pair<int, std::string_view>, 46> kPrompts = {{
    {kOpenFromMap, "地図上で範囲を選んで地形データを開く\n地図から開く"},
    {kFileOpen, "地図ファイルを選んで開く\nファイルから開く"},
    {kSearchFolder, "フォルダーの標高データを変換して開く\nフォルダーから探す"},
    {kFileClose, "作業中のファイルを閉じる\n閉じる"},
    {kSavePlaces, "入力した地名データを保存する\n地名データの保存"},
    {kPrintMap, "地図ビューを印刷する\n印刷"},
    {kFilePrint, "表示中の図を印刷する\n印刷"},
    {kPrintPreview, "印刷イメージを表示する\n印刷プレビュー"},
    {kPrintSetup, "プリンタと印刷オプションを設定する\nプリンタの設定"},
    {kMargins, "印刷する用紙の余白を設定する\nマージンの設定"},
    {kRecentFile, "最近使ったファイルを開く\n最新のファイル"},
    {kAppExit, "アプリケーションを終了する\n終了"},
    {kCopyBitmap, "表示中の図をビットマップ形式でクリップボードにコピーする\nビットマップ形式でコピー"},
    {kCopyPicture, "表示中の図をピクチャー形式でクリップボードにコピーする\nピクチャー形式でコピー"},
    {kViewToolbar, "ツール バーの表示と非表示を切り替える\nツール バー"},
    {kViewStatusBar, "ステータス バーの表示と非表示を切り替える\nステータス バー"},
    {kShow2D, "２次元等高線図を表示する\n２次元等高線表示"},
    {kShowMap, "地図ビューを表示する\n地図ビュー表示"},
    {kShowRender, "地形を立体的に描いて表示する\nレンダリング表示"},
    {kRotateRight, "表示を右に回転する\n右回転"},
    {kRotateLeft, "表示を左に回転する\n左回転"},
    {kZoomIn, "表示を拡大する\n拡大"},
    {kZoomOut, "表示を縮小する\n縮小"},
    {kShowNames, "地名の表示と非表示を切り替える\n名前の表示"},
    {kMoveEast, "表示位置を東に移動する\n東に移動"},
    {kMoveWest, "表示位置を西に移動する\n西に移動"},
    {kMoveSouth, "表示位置を南に移動する\n南に移動"},
    {kMoveNorth, "表示位置を北に移動する\n北に移動"},
    {kMapInfo, "開いている地図の情報を表示する\n地図情報"},
    {kFonts, "地名を表示するフォントを設定する\nフォントの設定"},
    {kPlaceDisplay, "表示する地名の種類と重要度を設定する\n地名表示の設定"},
    {kMemoryFont, "地図ビューの地名のフォントと色を設定する\nメモリのフォントの設定"},
    {kLightPosition, "光源の位置を設定する\n光源の位置"},
    {kZoomDialog, "表示の倍率を設定する\n縮小拡大"},
    {kResolution, "立体表示のメッシュの細かさを設定する\n細かさの設定"},
    {kColours, "高さによる色分けを設定する\n色の設定"},
    {kDataDrive, "数値地図の CD-ROM を読むドライブを選ぶ\nCD-ROM ドライブの選択"},
    {kFolderSettings, "データを置くフォルダを設定する\nフォルダの設定"},
    {kHeightScale, "高さを強調する倍率を設定する\n高さの強調表示"},
    {k2DMethod, "２次元図を等高線で描くか色分けで描くかを選ぶ\n２次元図の表示方法"},
    {kCascade, "ウィンドウを重ねて表示する\n重ねて表示"},
    {kTile, "ウィンドウを並べて表示する\n並べて表示"},
    {kArrangeIcons, "アイコンをウィンドウの下に整列する\nアイコンの整列"},
    {kHelpIndex, "ヘルプの目次を表示する\n目次"},
    {kAbout, "プログラムの情報とバージョンを表示する\nバージョン情報"},
    {kContextHelp, "クリックしたボタンやメニューのヘルプを表示する\nヘルプ"},
}};

} // namespace

CommandPrompt PromptOf(int id)
{
    const auto* found = std::find_if(kPrompts.begin(), kPrompts.end(),
                                     [id](const auto& prompt) { return prompt.first == id; });
    if (found == kPrompts.end())
        return {};
    const std::string_view text = found->second;
    const std::size_t lineBreak = text.find('\n');
    if (lineBreak == std::string_view::npos)
        return {std::string(text), {}};
    return {std::string(text.substr(0, lineBreak)), std::string(text.substr(lineBreak + 1))};
}

std::string_view IdlePrompt()
{
    return "レディ";
}

} // namespace qb
