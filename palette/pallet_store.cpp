#include "palette/pallet_store.h"

#include <algorithm>  // std::max
#include <utility>    // std::swap

namespace tintrel {
namespace {

bool InRange(std::int32_t index, std::int32_t size) {
    return index >= 0 && index < size;
}

std::size_t At(std::int32_t index) {
    return static_cast<std::size_t>(index);
}

}  // namespace

void PalletStore::SetPalletSize(std::int32_t columns, std::int32_t rows, std::int32_t pages) {
    xCount_ = std::max<std::int32_t>(columns, 0);
    yCount_ = std::max<std::int32_t>(rows, 0);
    zCount_ = std::max<std::int32_t>(pages, 0);
    // Shortening a level drops what lies beyond; lengthening adds zeros, never earlier colours.
    cells_.resize(At(xCount_));
    for (auto& column : cells_) {
        column.resize(At(yCount_));
        for (auto& row : column) {
            row.resize(At(zCount_));
        }
    }
    filledPages_.resize(At(zCount_));
    history_.SetCapacity(At(xCount_) * At(yCount_));
}

std::optional<CellColors> PalletStore::Cell(std::int32_t column, std::int32_t row, std::int32_t page) const {
    if (!Contains(column, row, page)) {
        return std::nullopt;
    }
    return cells_[At(column)][At(row)][At(page)];
}

bool PalletStore::SetCurrent(std::int32_t column, std::int32_t row, std::int32_t page, std::int32_t color) {
    CellColors* cell = Find(column, row, page);
    if (cell == nullptr) {
        return false;
    }
    cell->Current = color;
    return true;
}

bool PalletStore::DropColor(std::int32_t column, std::int32_t row, std::int32_t page, std::int32_t color) {
    CellColors* cell = Find(column, row, page);
    if (cell == nullptr) {
        return false;
    }
    if (cell->Current != color) {
        cell->Spare = cell->Current;
    }
    cell->Current = color;
    modified_ = true;
    return true;
}

bool PalletStore::SetCell(std::int32_t column, std::int32_t row, std::int32_t page, CellColors colors) {
    CellColors* cell = Find(column, row, page);
    if (cell == nullptr) {
        return false;
    }
    *cell = colors;
    filledPages_[At(page)] = true;
    modified_ = true;
    return true;
}

bool PalletStore::PageFilled(std::int32_t page) const {
    return page >= 0 && page < zCount_ && filledPages_[At(page)];
}

bool PalletStore::SwapCell(std::int32_t column, std::int32_t row, std::int32_t page) {
    CellColors* cell = Find(column, row, page);
    if (cell == nullptr) {
        return false;
    }
    std::swap(cell->Current, cell->Spare);
    modified_ = true;
    return true;
}

bool PalletStore::Contains(std::int32_t column, std::int32_t row, std::int32_t page) const {
    return InRange(column, xCount_) && InRange(row, yCount_) && InRange(page, zCount_);
}

CellColors* PalletStore::Find(std::int32_t column, std::int32_t row, std::int32_t page) {
    return Contains(column, row, page) ? &cells_[At(column)][At(row)][At(page)] : nullptr;
}

}  // namespace tintrel
