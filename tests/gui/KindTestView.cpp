#include "tests/gui/KindTestView.h"

#include "app/TessimDoc.h"
#include "shell/ShellApp.h"

namespace qb::test {

CKindTestView::CKindTestView(CShellApp& shell, CTessimDoc& doc, ViewKind kind) : C3DView(shell, doc, kind)
{
    setMinimumSize(64, 48);
}

void CKindTestView::OnInitialUpdate(const std::optional<GridRange>& restore, bool)
{
    ++initialUpdates;
    const CHeightGrid& grid = Document()->Grid();
    range = restore.value_or(GridRange{0, 0, grid.m_nCols - 1, grid.m_nRows - 1});
}

std::optional<ViewExtent> CKindTestView::Extent() const
{
    if (!Document())
        return std::nullopt;
    return ViewExtent{range, Document()->Grid().m_nCols, Document()->Grid().m_nRows};
}

void CKindTestView::ShowRange(const ViewHandOver& handOver)
{
    handedOver.push_back(handOver);
    range = handOver.range;
}

// Every move stays inside the grid.
int CKindTestView::MoveView(int direction, const NeighbourRequest&)
{
    moves.push_back(direction);
    return 1;
}

void PlugInKindTestViews(CShellApp& shell)
{
    for (const ViewKind kind : {ViewKind::Map, ViewKind::Rendering}) {
        shell.Templates().Of(kind).SetViewFactory(
            [kind](CShellApp& app, CTessimDoc& doc) { return new CKindTestView(app, doc, kind); });
    }
}

} // namespace qb::test
