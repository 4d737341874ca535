#pragma once
#include <string>
#include <string_view>

namespace qb {

class CTessimDoc;

inline constexpr std::string_view kFileNotFoundMessage = "ファイルが見つかりませんでした";

// The frame's side of the documents: only one area is open at a time, so a
// document that opens asks the others to close (each with its save question).
class IDocumentHost {
public:
    virtual ~IDocumentHost() = default;
    // False when one of the other documents refused to close.
    virtual bool CloseOtherDocuments(CTessimDoc& keep) = 0;
    virtual void SetStatusText(std::string_view text) = 0;
    // Whether a failed area open tells the user so.
    virtual bool ShowsOpenMessages() const { return true; }
    // The message of an open that found nothing to read; `lookedFor` names
    // the file or the tiles it looked for. The program's text says only that.
    virtual std::string FileNotFoundText(std::string_view lookedFor) const
    {
        static_cast<void>(lookedFor);
        return std::string(kFileNotFoundMessage);
    }
};

} // namespace qb
