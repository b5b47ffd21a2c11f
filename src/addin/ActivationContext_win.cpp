#include "addin/ActivationContext_win.h"

#include "addin/ComServer_win.h"
#include "shared/Trace.h"

namespace morvane {

namespace {

// The library's context, made once and released when the library unloads.
class LibraryContext {
  public:
    LibraryContext() {
        ACTCTXW context{};
        context.cbSize = sizeof context;
        context.dwFlags = ACTCTX_FLAG_HMODULE_VALID | ACTCTX_FLAG_RESOURCE_NAME_VALID;
        context.hModule = ComServer::Module();
        context.lpResourceName = ISOLATIONAWARE_MANIFEST_RESOURCE_ID;
        handle_ = CreateActCtxW(&context);
        if (handle_ == INVALID_HANDLE_VALUE) {
            TraceFailure(L"CreateActCtxW of the library's manifest",
                         HRESULT_FROM_WIN32(GetLastError()));
        }
    }
    LibraryContext(const LibraryContext&) = delete;
    LibraryContext& operator=(const LibraryContext&) = delete;
    ~LibraryContext() {
        if (handle_ != INVALID_HANDLE_VALUE) {
            ReleaseActCtx(handle_);
        }
    }
    HANDLE Get() const { return handle_; }

  private:
    HANDLE handle_ = INVALID_HANDLE_VALUE;
};

HANDLE LibraryContextHandle() {
    static const LibraryContext context;
    return context.Get();
}

}  // namespace

ActivationScope::ActivationScope() {
    const HANDLE context = LibraryContextHandle();
    if (context == INVALID_HANDLE_VALUE) {
        cookie_ = 0;
        return;
    }
    if (!ActivateActCtx(context, &cookie_)) {
        TraceFailure(L"ActivateActCtx", HRESULT_FROM_WIN32(GetLastError()));
        cookie_ = 0;
    }
}

ActivationScope::~ActivationScope() {
    if (cookie_ != 0) {
        DeactivateActCtx(0, cookie_);
    }
}

}  // namespace morvane
