#include "platform/win/Resources.h"

#include "platform/win/Constants.h"
#include "platform/win/Kernel32.h"
#include "platform/win/LastError.h"
#include "platform/win/User32.h"

#include <algorithm>
#include <cstring>
#include <strings.h>
#include <map>
#include <mutex>
#include <unistd.h>

namespace platform {
namespace {

struct ResourceEntry {
    WORD type;
    WORD id;
    std::vector<BYTE> bytes;
};

struct Store {
    std::mutex mutex;
    std::map<std::pair<WORD, WORD>, ResourceEntry> binary;
    std::map<UINT, std::string> strings;
    std::map<WORD, std::vector<IconImage>> icons;
    std::string modulePath;
};

Store& store() {
    static Store instance;
    return instance;
}

constexpr WORD dialogType = 5;

// Resource names are either small integers or "#123" strings naming one.
bool resourceNumber(LPCSTR name, WORD& number) {
    if (name == nullptr) {
        return false;
    }
    if (IS_INTRESOURCE(name)) {
        number = LOWORD(reinterpret_cast<ULONG_PTR>(name));
        return true;
    }
    if (name[0] != '#' || name[1] == '\0') {
        return false;
    }
    unsigned long value = 0;
    for (const char* p = name + 1; *p != '\0'; ++p) {
        if (*p < '0' || *p > '9' || value > 0xFFFF) {
            return false;
        }
        value = value * 10 + static_cast<unsigned long>(*p - '0');
    }
    number = static_cast<WORD>(value);
    return value <= 0xFFFF;
}

bool isProgramModule(HMODULE module) { return module == nullptr || module == programModule(); }

} // namespace

const std::uint32_t iconPalette[16] = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
};

IconImage iconImageFromRows(std::initializer_list<std::string_view> rows) {
    IconImage image;
    image.height = static_cast<int>(rows.size());
    image.width = rows.size() == 0 ? 0 : static_cast<int>(rows.begin()->size());
    for (std::string_view row : rows) {
        for (char c : row) {
            int index = (c >= '0' && c <= '9') ? c - '0' : (c >= 'A' && c <= 'F') ? c - 'A' + 10 : 0;
            image.pixels.push_back(static_cast<std::uint8_t>(index));
        }
    }
    return image;
}

void addDialogResource(WORD id, std::vector<BYTE> templateBytes) {
    auto& s = store();
    std::lock_guard lock(s.mutex);
    s.binary[{dialogType, id}] = ResourceEntry{dialogType, id, std::move(templateBytes)};
}

void addStringResource(UINT id, std::string text) {
    auto& s = store();
    std::lock_guard lock(s.mutex);
    s.strings[id] = std::move(text);
}

void addIconResource(WORD id, std::vector<IconImage> images) {
    std::sort(images.begin(), images.end(),
              [](const IconImage& a, const IconImage& b) { return a.width > b.width; });
    auto& s = store();
    std::lock_guard lock(s.mutex);
    s.icons[id] = std::move(images);
}

const std::vector<IconImage>* findIconResource(WORD id) {
    auto& s = store();
    std::lock_guard lock(s.mutex);
    auto it = s.icons.find(id);
    return it == s.icons.end() ? nullptr : &it->second;
}

HMODULE programModule() { return reinterpret_cast<HMODULE>(0x400000); }

void setModulePath(std::string path) {
    auto& s = store();
    std::lock_guard lock(s.mutex);
    s.modulePath = std::move(path);
}

std::string modulePath() {
    auto& s = store();
    std::lock_guard lock(s.mutex);
    if (s.modulePath.empty()) {
        char buffer[4096];
        ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
        s.modulePath = n > 0 ? std::string(buffer, static_cast<size_t>(n)) : "program";
    }
    return s.modulePath;
}

} // namespace platform

using namespace platform;

HMODULE WINAPI GetModuleHandleA(LPCSTR lpModuleName) {
    if (lpModuleName == nullptr) {
        return programModule();
    }
    std::string path = modulePath();
    std::string name = path.substr(path.find_last_of('/') + 1);
    return strcasecmp(lpModuleName, name.c_str()) == 0 ? programModule()
                                                       : fail<HMODULE>(ERROR_FILE_NOT_FOUND);
}

DWORD WINAPI GetModuleFileNameA(HMODULE hModule, LPSTR lpFilename, DWORD nSize) {
    if (!isProgramModule(hModule) || lpFilename == nullptr || nSize == 0) {
        return fail<DWORD>(ERROR_INVALID_HANDLE);
    }
    std::string path = modulePath();
    DWORD n = std::min<DWORD>(static_cast<DWORD>(path.size()), nSize - 1);
    std::memcpy(lpFilename, path.data(), n);
    lpFilename[n] = '\0';
    return n;
}

HRSRC WINAPI FindResourceA(HMODULE hModule, LPCSTR lpName, LPCSTR lpType) {
    WORD id = 0;
    WORD type = 0;
    if (!isProgramModule(hModule) || !resourceNumber(lpName, id) || !resourceNumber(lpType, type)) {
        return fail<HRSRC>(ERROR_RESOURCE_NAME_NOT_FOUND);
    }
    auto& s = store();
    std::lock_guard lock(s.mutex);
    auto it = s.binary.find({type, id});
    if (it == s.binary.end()) {
        return fail<HRSRC>(ERROR_RESOURCE_NAME_NOT_FOUND);
    }
    return reinterpret_cast<HRSRC>(&it->second);
}

HGLOBAL WINAPI LoadResource(HMODULE hModule, HRSRC hResInfo) {
    if (!isProgramModule(hModule) || hResInfo == nullptr) {
        return fail<HGLOBAL>(ERROR_RESOURCE_DATA_NOT_FOUND);
    }
    return reinterpret_cast<ResourceEntry*>(hResInfo)->bytes.data();
}

LPVOID WINAPI LockResource(HGLOBAL hResData) { return hResData; }

DWORD WINAPI SizeofResource(HMODULE hModule, HRSRC hResInfo) {
    if (!isProgramModule(hModule) || hResInfo == nullptr) {
        return fail<DWORD>(ERROR_RESOURCE_DATA_NOT_FOUND);
    }
    return static_cast<DWORD>(reinterpret_cast<ResourceEntry*>(hResInfo)->bytes.size());
}

int WINAPI LoadStringA(HINSTANCE hInstance, UINT uID, LPSTR lpBuffer, int cchBufferMax) {
    if (!isProgramModule(hInstance) || lpBuffer == nullptr || cchBufferMax <= 0) {
        return fail<int>(ERROR_INVALID_PARAMETER);
    }
    lpBuffer[0] = '\0';
    auto& s = store();
    std::lock_guard lock(s.mutex);
    auto it = s.strings.find(uID);
    if (it == s.strings.end()) {
        return fail<int>(ERROR_RESOURCE_NAME_NOT_FOUND);
    }
    int n = std::min<int>(static_cast<int>(it->second.size()), cchBufferMax - 1);
    std::memcpy(lpBuffer, it->second.data(), static_cast<size_t>(n));
    lpBuffer[n] = '\0';
    return n;
}
