#include "places/PlaceFile.h"

#include "places/PlaceFileFormat.h"
#include "places/PlaceFileReader.h"
#include "places/PlacePaths.h"
#include "places/PlacePosition.h"
#include "platform/AtomicFile.h"
#include "platform/FileRead.h"
#include "platform/MessageSink.h"

#include <utility>

namespace qb {
namespace {

constexpr int kUserRoom = 500;

} // namespace

CPlaceFiles::CPlaceFiles(CPlaceTables& tables, const CHeightGrid& grid, PlaceFolders folders,
                         IMessageSink* messages)
    : m_tables(tables), m_grid(grid), m_folders(std::move(folders)), m_pMessages(messages)
{
}

std::string CPlaceFiles::PlaceFileOf(const std::string& dataPath) const
{
    return qb::PlaceFileOf(dataPath, m_grid.m_bNewDatum != 0, m_folders.placeFolder);
}

std::string CPlaceFiles::SystemFile() const
{
    return SystemPlaceFile(m_folders.placeFolder);
}

std::string CPlaceFiles::UserFile() const
{
    return UserPlaceFile(m_folders.databaseFolder);
}

int CPlaceFiles::CountPlaces(const std::string& dataPath) const
{
    return CountPlaceFile(PlaceFileOf(dataPath));
}

int CPlaceFiles::ReadPlaces(const std::string& dataPath, CPlaceTable& records, int count, bool keepPosition,
                            std::uint8_t origin) const
{
    PlaceReadOptions options;
    options.datum = &m_tables;
    options.grid = &m_grid;
    options.count = count;
    options.keepPosition = keepPosition;
    options.origin = origin;
    return ReadPlaceFile(PlaceFileOf(dataPath), options, records);
}

int CPlaceFiles::LoadSystemPlaces()
{
    return LoadSystemPlacesFrom(SystemFile());
}

int CPlaceFiles::LoadSystemPlacesFrom(const std::string& path)
{
    // The file is read against an empty system table: its own format-2
    // records are not shifted by the names of an earlier system file.
    m_tables.ClearSystem();
    std::string text;
    const FileReadResult read = ReadPlaceFileText(path, text);
    if (read == FileReadResult::TooLarge)
        Tell(PlaceFileTooLargeMessage(path));
    if (read != FileReadResult::Read)
        return 0;
    CPlaceTable system;
    system.Reserve(CountPlaceRecords(text));
    PlaceReadOptions options;
    options.datum = &m_tables;
    options.grid = &m_grid;
    ReadPlaceText(text, options, system);
    m_tables.SetSystem(std::move(system));
    for (const PlaceRecord& r : m_tables.System().Records())
        if (HasGridPosition(r))
            m_tables.Display().Append(r);
    return m_tables.System().Count();
}

int CPlaceFiles::LoadUserPlaces()
{
    CPlaceTable& user = m_tables.User();
    user.Clear();
    m_tables.SetModified(false);
    std::string text;
    const FileReadResult read = ReadPlaceFileText(UserFile(), text);
    // A user file too large to read is kept as it is: saving the names
    // entered now would replace it with a file that lacks all of its own.
    m_bUserFileRefused = read == FileReadResult::TooLarge;
    if (m_bUserFileRefused)
        Tell(PlaceFileTooLargeMessage(UserFile()));
    const bool opened = read == FileReadResult::Read;
    user.Reserve((opened ? CountPlaceRecords(text) : 0) + kUserRoom);
    if (!opened)
        return 0;
    PlaceReadOptions options;
    options.datum = &m_tables;
    options.grid = &m_grid;
    options.origin = 1;
    options.lowestFormat = 3;
    return ReadPlaceText(text, options, user);
}

void CPlaceFiles::Tell(const std::string& text) const
{
    if (m_pMessages)
        m_pMessages->ShowMessage(text, MessageIcon::Exclamation);
}

int CPlaceFiles::SaveUserPlaces()
{
    const std::string text = UserPlaceFileText(m_tables.User().Records());
    CAtomicFileWriter writer;
    if (m_bUserFileRefused || !writer.Open(UserFile()) || !writer.Write(text.data(), text.size()) ||
        !writer.Commit()) {
        Tell(std::string(kPlaceSaveFailedMessage));
        return 0;
    }
    m_tables.SetModified(false);
    return 1;
}

} // namespace qb
