#include "CTessarineEventManager.h"
#include "CTessarineSmfLoader.h"
#include "TessarineApiGuard.h"
#include "TessarineLoaderUi.h"
#include "TessarineSmfLoaderGlobal.h"
#include "TessarineText.h"

#include <fstream>
#include <memory>
#include <vector>

using namespace tessarine;

namespace tessarine {

std::unique_ptr<CTessarineSmfLoader>& smfLoader()
{
    static std::unique_ptr<CTessarineSmfLoader> loader;
    return loader;
}

} // namespace tessarine

namespace {

const wchar_t* const kOpenFailed = L"ファイルオープンに失敗";
const wchar_t* const kFilter = L"Midi Files (*.mid)|*.mid|All Files (*.*)|*.*||";

bool readFile(const std::wstring& path, std::vector<std::uint8_t>& bytes)
{
    std::ifstream file(wideToUtf8(path), std::ios::binary | std::ios::ate);
    if (!file)
        return false;
    const std::streamoff size = file.tellg();
    if (size < 0)
        return false;
    bytes.resize(static_cast<std::size_t>(size));
    file.seekg(0);
    file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size));
    bytes.resize(static_cast<std::size_t>(file.gcount()));
    return !file.bad();
}

std::int32_t open(std::unique_ptr<CTessarineSmfLoader> loader, std::span<const std::uint8_t> bytes)
{
    if (!loader->Read(bytes))
        return 0;
    smfLoader() = std::move(loader);
    return 1;
}

} // namespace

extern "C" {

std::int32_t tsrSmfLoaderOpen(const wchar_t* pPath)
{
    return guarded(0, [&]() -> std::int32_t {
        if (smfLoader())
            return 0;
        auto loader = std::make_unique<CTessarineSmfLoader>();
        std::wstring path;
        if (pPath)
            path = pPath;
        else if (!chooseFile(kFilter, path))
            return 0;
        loader->SetPath(path);
        std::vector<std::uint8_t> bytes;
        if (!readFile(path, bytes)) {
            showMessage(kOpenFailed);
            return 0;
        }
        return open(std::move(loader), bytes);
    });
}

std::int32_t tsrSmfLoaderOpenWithMem(const void* pData, std::size_t size)
{
    return guarded(0, [&]() -> std::int32_t {
        if (smfLoader())
            return 0;
        const std::span<const std::uint8_t> bytes(static_cast<const std::uint8_t*>(pData), pData ? size : 0);
        return open(std::make_unique<CTessarineSmfLoader>(), bytes);
    });
}

void tsrSmfLoaderLoad(CTessarineEventManager* pManager)
{
    guarded(0, [&] {
        if (smfLoader() && pManager)
            smfLoader()->Load(*pManager);
        return 0;
    });
}

void tsrSmfLoaderClose()
{
    smfLoader().reset();
}

std::int32_t tsrSmfLoaderGetTrackNum()
{
    return smfLoader() ? smfLoader()->GetTrackNum() : 0;
}

} // extern "C"
