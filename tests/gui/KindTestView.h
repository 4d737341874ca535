#pragma once
#include "shell/3DView.h"

#include <vector>

namespace qb::test {

// A view of the map or the rendering kind for the main window's tests: it
// shows a range of its document's grid at angles of its own and records
// what the main window asks of it.
class CKindTestView final : public C3DView {
public:
    CKindTestView(CShellApp& shell, CTessimDoc& doc, ViewKind kind);

    void OnInitialUpdate(const std::optional<GridRange>& restore, bool documentShownBefore) override;
    void OnActivateView() override { ++activations; }
    void Repaint() override { ++repaints; }
    std::optional<ViewExtent> Extent() const override;
    std::optional<ViewAngles> Angles() const override { return angles; }
    void ShowRange(const ViewHandOver& handOver) override;
    int MoveView(int direction, const NeighbourRequest& leave) override;
    void CopyBitmap() override { ++copies; }

    GridRange range;
    std::optional<ViewAngles> angles;
    std::vector<ViewHandOver> handedOver;
    std::vector<int> moves;
    int initialUpdates = 0;
    int activations = 0;
    int repaints = 0;
    int copies = 0;
};

// Makes the templates of the map view and the rendering view make test views.
void PlugInKindTestViews(CShellApp& shell);

} // namespace qb::test
