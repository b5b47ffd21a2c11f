#pragma once
// The stand-in host's automation objects: Application (the source of the application events),
// the Windows and Projects collections, Window, Project and the EventInfo of the close event.
// Each call goes through the host, which records it and may be told to fail it.

#include <memory>
#include <vector>

#include "shared/DispatchObject_win.h"
#include "standin/Host_win.h"

namespace morvane::standin {

class ApplicationObject : public com::EventSource {
  public:
    explicit ApplicationObject(std::shared_ptr<HostLink> link);
    // Calls every connected sink of the application events.
    void Raise(DISPID id, std::vector<com::Variant>& args) { Fire(id, args); }

  protected:
    HRESULT Call(DISPID id, WORD flags, const std::vector<VARIANT*>& args,
                 VARIANT* result) override;

  private:
    std::shared_ptr<HostLink> link_;
};

// The Windows (window objects) or Projects (project objects) collection of the open documents,
// or the Windows collection of one project (ProjectWindows).
class CollectionObject : public com::DispatchObject {
  public:
    CollectionObject(std::shared_ptr<HostLink> link, ObjectKind kind,
                     std::weak_ptr<Document> project = {});

  protected:
    HRESULT Call(DISPID id, WORD flags, const std::vector<VARIANT*>& args,
                 VARIANT* result) override;

  private:
    std::vector<DocumentPtr> Items(const Host& host) const;

    std::shared_ptr<HostLink> link_;
    ObjectKind kind_;
    std::weak_ptr<Document> project_;
};

// A Window or a Project of one document; fails once the document is closed.
class DocumentObject : public com::DispatchObject {
  public:
    DocumentObject(std::shared_ptr<HostLink> link, std::weak_ptr<Document> doc, ObjectKind kind);

  protected:
    HRESULT Call(DISPID id, WORD flags, const std::vector<VARIANT*>& args,
                 VARIANT* result) override;

  private:
    HRESULT WindowCall(Host& host, Document& doc, DISPID id, WORD flags,
                       const std::vector<VARIANT*>& args, VARIANT* result);
    HRESULT ProjectCall(Host& host, Document& doc, DISPID id, WORD flags,
                        const std::vector<VARIANT*>& args, VARIANT* result);

    std::shared_ptr<HostLink> link_;
    std::weak_ptr<Document> doc_;
    ObjectKind kind_;
};

// The event information of ApplicationBeforeClose: Cancel set true keeps the host open.
class EventInfoObject : public com::DispatchObject {
  public:
    EventInfoObject();
    bool cancel = false;

  protected:
    HRESULT Call(DISPID id, WORD flags, const std::vector<VARIANT*>& args,
                 VARIANT* result) override;
};

// The selection passed with WindowSelectionChange; it answers no members.
class SelectionObject : public com::DispatchObject {
  public:
    SelectionObject() : DispatchObject({}) {}

  protected:
    HRESULT Call(DISPID, WORD, const std::vector<VARIANT*>&, VARIANT*) override {
        return DISP_E_MEMBERNOTFOUND;
    }
};

}  // namespace morvane::standin
