#include "platform/win/DialogTemplate.h"

#include <cstring>

namespace platform {
namespace {

constexpr DWORD dsSetFont = 0x40;
constexpr WORD ordinalMark = 0xFFFF;

struct Atom {
    const char* name;
    WORD value;
};
constexpr Atom atoms[] = {{"Button", 0x80}, {"Edit", 0x81}, {"Static", 0x82}};

class Writer {
public:
    template <class T> void put(const T& value) {
        const auto* p = reinterpret_cast<const BYTE*>(&value);
        bytes.insert(bytes.end(), p, p + sizeof(T));
    }
    void word(WORD value) { put(value); }
    void text(const std::string& s) {
        for (unsigned char c : s) {
            word(c); // single-byte text widens one character to one 16-bit unit
        }
        word(0);
    }
    void alignTo(size_t boundary) {
        while (bytes.size() % boundary != 0) {
            bytes.push_back(0);
        }
    }
    std::vector<BYTE> bytes;
};

class Reader {
public:
    Reader(const BYTE* start, size_t size) : start_(start), size_(size) {}
    template <class T> bool get(T& value) {
        if (offset_ + sizeof(T) > size_) {
            return false;
        }
        std::memcpy(&value, start_ + offset_, sizeof(T));
        offset_ += sizeof(T);
        return true;
    }
    bool text(std::string& out) {
        out.clear();
        for (WORD unit = 0;;) {
            if (!get(unit)) {
                return false;
            }
            if (unit == 0) {
                return true;
            }
            out.push_back(unit < 0x100 ? static_cast<char>(unit) : '?');
        }
    }
    // A string or an ordinal, as menus, classes and titles are stored.
    bool nameOrOrdinal(std::string& name, std::optional<WORD>& ordinal) {
        WORD first = 0;
        size_t mark = offset_;
        if (!get(first)) {
            return false;
        }
        if (first == ordinalMark) {
            WORD value = 0;
            if (!get(value)) {
                return false;
            }
            ordinal = value;
            name.clear();
            return true;
        }
        offset_ = mark;
        ordinal.reset();
        return text(name);
    }
    void alignTo(size_t boundary) { offset_ = (offset_ + boundary - 1) / boundary * boundary; }
    bool skip(size_t count) {
        offset_ += count;
        return offset_ <= size_;
    }

private:
    const BYTE* start_;
    size_t size_;
    size_t offset_ = 0;
};

} // namespace

std::vector<BYTE> writeDialogTemplate(const DialogTemplateData& dialog) {
    Writer w;
    DLGTEMPLATE header{dialog.style, dialog.exStyle, static_cast<WORD>(dialog.items.size()),
                       dialog.x, dialog.y, dialog.cx, dialog.cy};
    w.put(header);
    w.word(0); // no menu
    w.word(0); // the standard dialog class
    w.text(dialog.caption);
    if ((dialog.style & dsSetFont) != 0) {
        w.word(dialog.pointSize);
        w.text(dialog.faceName);
    }
    for (const DialogItem& item : dialog.items) {
        w.alignTo(4);
        DLGITEMTEMPLATE itemHeader{item.style, item.exStyle, item.x, item.y, item.cx, item.cy, item.id};
        w.put(itemHeader);
        bool isAtom = false;
        for (const Atom& atom : atoms) {
            if (item.windowClass == atom.name) {
                w.word(ordinalMark);
                w.word(atom.value);
                isAtom = true;
            }
        }
        if (!isAtom) {
            w.text(item.windowClass);
        }
        if (item.titleOrdinal) {
            w.word(ordinalMark);
            w.word(*item.titleOrdinal);
        } else {
            w.text(item.title);
        }
        w.word(0); // no creation data
    }
    return std::move(w.bytes);
}

std::optional<DialogTemplateData> readDialogTemplate(const void* bytes, size_t size) {
    if (bytes == nullptr) {
        return std::nullopt;
    }
    Reader r(static_cast<const BYTE*>(bytes), size);
    DLGTEMPLATE header{};
    if (!r.get(header)) {
        return std::nullopt;
    }
    // The extended form starts with the version 1 and the signature 0xFFFF.
    if (header.style == 0xFFFF0001) {
        return std::nullopt;
    }
    DialogTemplateData dialog;
    dialog.style = header.style;
    dialog.exStyle = header.dwExtendedStyle;
    dialog.x = header.x;
    dialog.y = header.y;
    dialog.cx = header.cx;
    dialog.cy = header.cy;
    std::string name;
    std::optional<WORD> ordinal;
    if (!r.nameOrOrdinal(name, ordinal) || !name.empty() || (ordinal && *ordinal != 0)) {
        return std::nullopt; // menus are not offered
    }
    if (!r.nameOrOrdinal(name, ordinal) || !name.empty() || ordinal) {
        return std::nullopt; // only the standard dialog class
    }
    if (!r.text(dialog.caption)) {
        return std::nullopt;
    }
    if ((dialog.style & dsSetFont) != 0 && (!r.get(dialog.pointSize) || !r.text(dialog.faceName))) {
        return std::nullopt;
    }
    for (WORD i = 0; i < header.cdit; ++i) {
        r.alignTo(4);
        DLGITEMTEMPLATE itemHeader{};
        if (!r.get(itemHeader)) {
            return std::nullopt;
        }
        DialogItem item{itemHeader.style, itemHeader.dwExtendedStyle, itemHeader.x, itemHeader.y,
                        itemHeader.cx, itemHeader.cy, itemHeader.id, {}, {}, {}};
        std::optional<WORD> classAtom;
        if (!r.nameOrOrdinal(item.windowClass, classAtom)) {
            return std::nullopt;
        }
        if (classAtom) {
            item.windowClass.clear();
            for (const Atom& atom : atoms) {
                if (atom.value == *classAtom) {
                    item.windowClass = atom.name;
                }
            }
            if (item.windowClass.empty()) {
                return std::nullopt;
            }
        }
        if (!r.nameOrOrdinal(item.title, item.titleOrdinal)) {
            return std::nullopt;
        }
        WORD extra = 0;
        if (!r.get(extra) || !r.skip(extra)) {
            return std::nullopt;
        }
        dialog.items.push_back(std::move(item));
    }
    return dialog;
}

} // namespace platform
