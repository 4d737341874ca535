#include "terrain/ProgressJob.h"

#include <cstdio>

namespace qb {

int CProgressLogic::Percent(std::int64_t done, std::int64_t total)
{
    return total == 0 ? 50 : static_cast<int>(done * 100 / total);
}

namespace {

template <class... Args>
std::string Format(const char* format, Args... args)
{
    char text[256];
    std::snprintf(text, sizeof text, format, args...);
    return text;
}

} // namespace

bool CProgressLogic::TextFor(std::int64_t done, std::int64_t total, std::string& text) const
{
    const int percent = Percent(done, total);
    const int value = static_cast<int>(done);
    const int count = static_cast<int>(total);
    switch (m_nJobKind) {
    case kJobCountPlaces:
        if (value % 10 != 0)
            return false;
        text = Format("地名データ読み込み中... %d %%", percent);
        return true;
    case kJobImportXmlFolder:
        if (total == 100) {
            text = Format("フォルダ内の XML ファイルを探して読み込んでいます。... %d %%", percent);
            return true;
        }
        if (value % 5 != 0)
            return false;
        text = Format("フォルダ内の XML ファイルを探して読み込んでいます。... 読み込んだ数:%d / 総数:%d", value, count);
        return true;
    case kJobMoveTiles:
        if (total == 100) {
            text = Format("データベース内のファイルを探しています。... %d %%", percent);
            return true;
        }
        if (value % 20 != 0)
            return false;
        text = Format("データベースフォルダ内のファイルを移動しています。... 移動した数:%d / 総数:%d", value, count);
        return true;
    case kJobBuild3dObject:
        text = Format("3Dオブジェクト作成中... %d %%", percent);
        return true;
    default:
        if (m_bInterpolating)
            text = Format("補間データ作成中... %d %%", percent);
        else if (m_nMeshSize > 0)
            text = Format("%dmメッシュ標高データ読み込み中... %d %%", m_nMeshSize, percent);
        else
            text = Format("標高データ読み込み中... %d %%", percent);
        return true;
    }
}

void CProgressLogic::Report(std::int64_t done, std::int64_t total)
{
    m_view.SetBar(Percent(done, total));
    std::string text;
    if (TextFor(done, total, text))
        m_view.SetText(text);
    m_view.PumpEvents();
}

} // namespace qb
