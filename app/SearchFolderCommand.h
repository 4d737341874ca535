#pragma once
#include <string>

namespace qb {

class CTessimApp;
class IFolderChooser;
class IJobRunner;
class IOpenFromMapWindows;
struct XmlFolderSummary;

// "フォルダーから探す": the folder settings when none are set, a folder of
// downloaded elevation data (its XML files and the agency's zip archives,
// in its subfolders too), their conversion into the database folder in the
// progress dialog, then the open-from-map command on the kind of data
// converted last. A cancelled folder choice or conversion opens nothing.
void RunSearchFromFolder(CTessimApp& app, IFolderChooser& chooser, IJobRunner& jobs, IOpenFromMapWindows& windows);

// The message about the files a conversion could not read, naming the
// first few with their reasons; empty when every file was converted.
std::string ConversionFailuresText(const XmlFolderSummary& summary);

} // namespace qb
