#include "core/CellColumn.h"

#include "core/NumberWriter.h"

namespace core {

void NumberColumn::Write(std::size_t i, std::string& out) const {
    out.clear();
    if (values_[i] != NoValue) AppendInt(out, values_[i]);
}

} // namespace core
