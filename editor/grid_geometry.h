#pragma once

// Where the grid's widgets sit, in twips, for a given table shape. The cut column
// follows directly after the last used load column, and the rows scroll inside a
// viewport of whole rows.
class GridGeometry {
  public:
    static constexpr int kRowPitch = 360;
    static constexpr int kRowLabelLeft = 0;
    static constexpr int kRowLabelWidth = 735;
    static constexpr int kRowLabelHeight = 375;
    static constexpr int kCellLeft = 720; // Text1
    static constexpr int kCellStep = 480;
    static constexpr int kCellWidth = 495;
    static constexpr int kCellHeight = 360;
    static constexpr int kCutComboWidth = 855;
    static constexpr int kHeaderLeft = 840; // TextLabel1(0)
    static constexpr int kHeaderTop = 360;
    static constexpr int kHeaderWidth = 495;
    static constexpr int kCutHeaderWidth = 855;
    static constexpr int kHeaderHeight = 375;
    // A page of the keyboard's PageUp/PageDown, in rows.
    static constexpr int kPageRows = 26;

    // column is 0-based (Text1 is column 0).
    static int cellLeft(int column) { return kCellLeft + kCellStep * column; }
    static int headerLeft(int column) { return kHeaderLeft + kCellStep * column; }
    static int rowTop(int row) { return kRowPitch * row; }
    static int cutComboLeft(int columnCount) { return cellLeft(columnCount); }
    static int cutHeaderLeft(int columnCount) { return headerLeft(columnCount); }
    static int containerHeight(int rowCount) { return kRowPitch * rowCount; }

    // The viewport height rounded to the nearest whole number of rows.
    static int visibleGridHeight(int designHeight);
    // 0 when the whole table fits the viewport: the scroll bar is then hidden.
    static int scrollMaximum(int rowCount, int visibleGridHeight);
};
