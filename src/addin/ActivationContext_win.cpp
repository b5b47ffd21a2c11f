#include "addin/ActivationContext_win.h"

#include "addin/ComServer_win.h"

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
    if (context == INVALID_HANDLE_VALUE || !ActivateActCtx(context, &cookie_)) {
        cookie_ = 0;
    }
}

ActivationScope::~ActivationScope() {
    if (cookie_ != 0) {
        DeactivateActCtx(0, cookie_);
    }
}

}  // namespace morvane
