#include "core/TableColumns.h"

namespace core {

std::shared_ptr<const CellColumn> ClearedColumn(const TableColumn& column) {
    const std::size_t rows = column.Rows();
    const std::size_t cleared = column.clearRows > 0 ? std::size_t(column.clearRows) : 0;
    if (cleared <= rows) return column.cells;
    if (rows == 0) return std::make_shared<NumberColumn>(cleared);
    std::vector<std::string> texts(cleared);
    for (std::size_t i = 0; i < rows; ++i) column.cells->Write(i, texts[i]);
    return std::make_shared<TextColumn>(std::move(texts));
}

} // namespace core
