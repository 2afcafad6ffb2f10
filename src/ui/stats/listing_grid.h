#pragma once

class QWidget;

namespace tessaly {

class GridModel;
class GridView;

// A read-only listing grid of the statistics pages: no selection, each text a few
// pixels in from its cell's edge.
GridView* listingGrid(GridModel* model, QWidget* parent);

}  // namespace tessaly
