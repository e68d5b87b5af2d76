#include "platform/display/terminal/Canvas.h"

namespace platform::terminal {
namespace {

void appendUtf8(std::string& out, char32_t ch) {
    if (ch < 0x80) {
        out += static_cast<char>(ch);
    } else if (ch < 0x800) {
        out += static_cast<char>(0xC0 | (ch >> 6));
        out += static_cast<char>(0x80 | (ch & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (ch >> 12));
        out += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (ch & 0x3F));
    }
}

} // namespace

Canvas::Canvas(int width, int height)
    : width_(width > 0 ? width : 0), height_(height > 0 ? height : 0),
      cells_(static_cast<size_t>(width_) * static_cast<size_t>(height_)) {}

void Canvas::put(int col, int row, char32_t ch, Role role, bool underline) {
    if (inside(col, row)) {
        cells_[static_cast<size_t>(row * width_ + col)] = {ch, role, underline};
    }
}

void Canvas::write(int col, int row, std::string_view text, Role role, int limit) {
    int count = static_cast<int>(text.size());
    if (limit >= 0 && limit < count) {
        count = limit;
    }
    for (int i = 0; i < count; ++i) {
        auto byte = static_cast<unsigned char>(text[static_cast<size_t>(i)]);
        // Control characters have no picture; a blank keeps the columns in place.
        put(col + i, row, byte < 0x20 || byte == 0x7F ? U' ' : static_cast<char32_t>(byte), role);
    }
}

void Canvas::fill(const CellRect& area, Role role, char32_t ch) {
    for (int row = area.row; row < area.bottom(); ++row) {
        for (int col = area.col; col < area.right(); ++col) {
            put(col, row, ch, role);
        }
    }
}

void Canvas::frame(const CellRect& area, Role role) {
    if (area.width < 2 || area.height < 2) {
        return;
    }
    for (int col = area.col + 1; col < area.right() - 1; ++col) {
        put(col, area.row, line::horizontal, role);
        put(col, area.bottom() - 1, line::horizontal, role);
    }
    for (int row = area.row + 1; row < area.bottom() - 1; ++row) {
        put(area.col, row, line::vertical, role);
        put(area.right() - 1, row, line::vertical, role);
    }
    put(area.col, area.row, line::topLeft, role);
    put(area.right() - 1, area.row, line::topRight, role);
    put(area.col, area.bottom() - 1, line::bottomLeft, role);
    put(area.right() - 1, area.bottom() - 1, line::bottomRight, role);
}

const Cell& Canvas::at(int col, int row) const {
    static const Cell outside;
    return inside(col, row) ? cells_[static_cast<size_t>(row * width_ + col)] : outside;
}

std::string Canvas::rowText(int row) const {
    std::string text;
    for (int col = 0; col < width_; ++col) {
        appendUtf8(text, at(col, row).ch);
    }
    return text;
}

std::vector<std::string> Canvas::lines() const {
    std::vector<std::string> all;
    for (int row = 0; row < height_; ++row) {
        all.push_back(rowText(row));
    }
    return all;
}

} // namespace platform::terminal
