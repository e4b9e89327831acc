#include "ui/win32/WindowPicture.h"

#include <wincodec.h>

#include <vector>

#include "platform/win32/WideText.h"

namespace lanvane {
namespace {

constexpr UINT kBytesPerPixel = 4;

// Releases a COM interface when it goes.
template <typename Interface>
class ComRef {
public:
    ComRef() = default;
    ~ComRef() {
        if (pointer_ != nullptr) {
            pointer_->Release();
        }
    }
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;

    Interface** Out() { return &pointer_; }
    Interface* operator->() const { return pointer_; }
    Interface* Get() const { return pointer_; }

private:
    Interface* pointer_ = nullptr;
};

struct Picture {
    UINT width = 0;
    UINT height = 0;
    std::vector<BYTE> pixels;  // top-down rows of blue, green, red, unused
};

// Copies the window's rectangle of the screen; no picture when the screen cannot be read
// (the null display driver has none) or shows nothing but one colour.
bool TakeFromScreen(HWND window, Picture& picture) {
    RECT frame{};
    if (!GetWindowRect(window, &frame) || frame.right <= frame.left || frame.bottom <= frame.top) {
        return false;
    }
    picture.width = static_cast<UINT>(frame.right - frame.left);
    picture.height = static_cast<UINT>(frame.bottom - frame.top);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = frame.right - frame.left;
    format.bmiHeader.biHeight = -(frame.bottom - frame.top);
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(memory, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ earlier = bitmap != nullptr ? SelectObject(memory, bitmap) : nullptr;
    const bool copied = bitmap != nullptr && BitBlt(memory, 0, 0, format.bmiHeader.biWidth,
                                                    -format.bmiHeader.biHeight, screen, frame.left, frame.top, SRCCOPY);
    if (copied) {
        const auto* first = static_cast<const BYTE*>(bits);
        picture.pixels.assign(first, first + std::size_t{picture.width} * picture.height * kBytesPerPixel);
    }
    if (earlier != nullptr) {
        SelectObject(memory, earlier);
    }
    if (bitmap != nullptr) {
        DeleteObject(bitmap);
    }
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return copied;
}

bool Blank(const Picture& picture) {
    const auto* pixels = reinterpret_cast<const DWORD*>(picture.pixels.data());
    const std::size_t count = picture.pixels.size() / kBytesPerPixel;
    for (std::size_t index = 1; index < count; ++index) {
        if (pixels[index] != pixels[0]) {
            return false;
        }
    }
    return true;
}

bool WritePng(const Picture& picture, const std::wstring& path) {
    ComRef<IWICImagingFactory> factory;
    ComRef<IWICStream> stream;
    ComRef<IWICBitmapEncoder> encoder;
    ComRef<IWICBitmapFrameEncode> frame;
    WICPixelFormatGUID format = GUID_WICPixelFormat32bppBGR;
    const UINT stride = picture.width * kBytesPerPixel;
    return SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                      IID_IWICImagingFactory, reinterpret_cast<void**>(factory.Out()))) &&
           SUCCEEDED(factory->CreateStream(stream.Out())) &&
           SUCCEEDED(stream->InitializeFromFilename(path.c_str(), GENERIC_WRITE)) &&
           SUCCEEDED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, encoder.Out())) &&
           SUCCEEDED(encoder->Initialize(stream.Get(), WICBitmapEncoderNoCache)) &&
           SUCCEEDED(encoder->CreateNewFrame(frame.Out(), nullptr)) && SUCCEEDED(frame->Initialize(nullptr)) &&
           SUCCEEDED(frame->SetSize(picture.width, picture.height)) && SUCCEEDED(frame->SetPixelFormat(&format)) &&
           format == GUID_WICPixelFormat32bppBGR &&
           SUCCEEDED(frame->WritePixels(picture.height, stride, stride * picture.height,
                                        const_cast<BYTE*>(picture.pixels.data()))) &&
           SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit());
}

}  // namespace

bool SaveWindowPicture(HWND window, const std::string& path) {
    Picture picture;
    if (!TakeFromScreen(window, picture) || Blank(picture)) {
        return false;
    }
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const bool written = WritePng(picture, win32::Utf8ToWide(path));
    if (SUCCEEDED(com)) {
        CoUninitialize();
    }
    return written;
}

}  // namespace lanvane
