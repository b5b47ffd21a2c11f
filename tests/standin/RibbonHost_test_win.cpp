#include "standin/RibbonHost_win.h"

#include <olectl.h>

#include <gtest/gtest.h>

#include "shared/Office_win.h"
#include "shared/DispatchArgs_win.h"
#include "shared/DualObject_win.h"

namespace morvane::standin {
namespace {

using com::Variant;

const wchar_t kBackstage[] =
    L"<customUI xmlns=\"http://schemas.microsoft.com/office/2009/07/customui\" "
    L"onLoad=\"rxcustomUI_onLoad\"><backstage>"
    L"<tab id=\"Morvane\" insertBeforeMso=\"TabHelp\" label=\"Morvane\"><firstColumn>"
    L"<taskGroup id=\"GroupMorvane\">"
    L"<category id=\"categoryMorvaneOption\" getLabel=\"GetLabel\">"
    L"<task id=\"Morvanevisible\" tag=\"show\" getLabel=\"GetLabel\" getImage=\"getImage\" "
    L"getDescription=\"GetDescription\" isDefinitive=\"true\" onAction=\"pr_OnAction\"/>"
    L"<task id=\"MorvaneOpTion\" getLabel=\"GetLabel\" imageMso=\"ApplicationOptionsDialog\" "
    L"description=\"Literal\" isDefinitive=\"true\" onAction=\"pr_OnAction\"/>"
    L"</category></taskGroup></firstColumn><secondColumn>"
    L"<group id=\"AboutMorvane\"><topItems>"
    L"<labelControl id=\"Version\" getLabel=\"GetLabel\"/>"
    L"<layoutContainer id=\"layout2\" layoutChildren=\"horizontal\">"
    L"<hyperlink id=\"hyperLinkHome\" getLabel=\"GetLabel\" target=\"http://example.org/\"/>"
    L"</layoutContainer></topItems></group></secondColumn></tab></backstage></customUI>";

// An add-in with backstage callbacks: GetLabel returns its text, GetDescription answers through
// its by-reference argument (the other documented form), pr_OnAction invalidates the ribbon.
class FakeAddin : public com::DualObject<IRibbonExtensibility> {
  public:
    FakeAddin()
        : DualObject({{L"GetCustomUI", 1},
                      {L"rxcustomUI_onLoad", 2},
                      {L"GetLabel", 3},
                      {L"GetDescription", 4},
                      {L"getImage", 5},
                      {L"pr_OnAction", 6}}) {}

    std::wstring xml = kBackstage;
    std::wstring askedFor;
    com::ComPtr<IRibbonUI> ribbon;
    std::vector<std::wstring> actions;  // "id/tag"
    com::ComPtr<IDispatch> lastContext;

    STDMETHODIMP GetCustomUI(BSTR ribbonId, BSTR* ribbonXml) override {
        askedFor = ribbonId;
        *ribbonXml = xml.empty() ? nullptr : com::Bstr(xml).Detach();
        return S_OK;
    }

  private:
    static std::wstring Read(IDispatch* control, const wchar_t* name) {
        Variant v;
        std::wstring text;
        com::InvokeByName(control, name, DISPATCH_PROPERTYGET, {}, &v);
        v.ToText(text);
        return text;
    }
    HRESULT Call(DISPID id, WORD, const std::vector<VARIANT*>& args, VARIANT* result) override {
        IDispatch* control =
            !args.empty() && args[0]->vt == VT_DISPATCH ? args[0]->pdispVal : nullptr;
        if (!control) {
            return DISP_E_TYPEMISMATCH;
        }
        switch (id) {
            case 2:
                control->QueryInterface(__uuidof(IRibbonUI),
                                        reinterpret_cast<void**>(ribbon.Put()));
                return ribbon ? S_OK : E_NOINTERFACE;
            case 3:
                com::SetResult(result, Variant::Text(L"Label of " + Read(control, L"Id")));
                return args.size() == 1 ? S_OK : DISP_E_BADPARAMCOUNT;
            case 4:
                if (args.size() != 2 || args[1]->vt != (VT_VARIANT | VT_BYREF)) {
                    return DISP_E_BADPARAMCOUNT;
                }
                VariantCopy(args[1]->pvarVal,
                            Variant::Text(L"About " + Read(control, L"Id")).Get());
                return S_OK;
            case 5: {
                PICTDESC desc{};
                desc.cbSizeofstruct = sizeof desc;
                desc.picType = PICTYPE_BITMAP;
                desc.bmp.hbitmap = CreateBitmap(4, 4, 1, 32, nullptr);
                com::ComPtr<IDispatch> picture;
                OleCreatePictureIndirect(&desc, IID_IDispatch, TRUE,
                                         reinterpret_cast<void**>(picture.Put()));
                com::SetResult(result, Variant::Object(picture.Get()));
                return S_OK;
            }
            case 6: {
                actions.push_back(Read(control, L"Id") + L"/" + Read(control, L"Tag"));
                // Through the vtable, as a compiled add-in calls it.
                com::ComPtr<IRibbonControl> dual;
                control->QueryInterface(__uuidof(IRibbonControl),
                                        reinterpret_cast<void**>(dual.Put()));
                if (dual) {
                    dual->get_Context(lastContext.Put());
                }
                if (ribbon) {
                    ribbon->Invalidate();
                    com::InvokeByName(ribbon.Get(), L"InvalidateControl", DISPATCH_METHOD,
                                      {Variant::Text(L"Morvanevisible")}, nullptr);
                }
                return S_OK;
            }
            default:
                return DISP_E_MEMBERNOTFOUND;
        }
    }
};

// An object without members: the window a control's Context answers.
class Stub : public com::DispatchObject {
  public:
    Stub() : DispatchObject({}) {}

  private:
    HRESULT Call(DISPID, WORD, const std::vector<VARIANT*>&, VARIANT*) override {
        return DISP_E_MEMBERNOTFOUND;
    }
};

// The host Application: only its active window (5003) is asked for.
class FakeApplication : public com::DispatchObject {
  public:
    FakeApplication() : DispatchObject({}) {}
    com::ComPtr<Stub> window = com::Make<Stub>();

  private:
    HRESULT Call(DISPID id, WORD, const std::vector<VARIANT*>&, VARIANT* result) override {
        if (id != 5003) {
            return DISP_E_MEMBERNOTFOUND;
        }
        com::SetResult(result, Variant::Object(window.Get()));
        return S_OK;
    }
};

class RibbonHostTest : public ::testing::Test {
  protected:
    com::Apartment apartment;
    com::ComPtr<FakeAddin> addin = com::Make<FakeAddin>();
    com::ComPtr<FakeApplication> application = com::Make<FakeApplication>();
    RibbonHost host{application.Get()};

    IUnknown* Addin() { return addin->Dispatch(); }
};

TEST_F(RibbonHostTest, LoadsTheBackstageAndCallsOnLoadWithTheRibbon) {
    ASSERT_TRUE(host.Load(Addin()));
    EXPECT_EQ(addin->askedFor, kProjectRibbonId);
    EXPECT_EQ(host.Xml(), kBackstage);
    EXPECT_TRUE(host.HasBackstage());
    EXPECT_EQ(host.IdsOf(L"task"),
              (std::vector<std::wstring>{L"Morvanevisible", L"MorvaneOpTion"}));
    EXPECT_EQ(host.IdsOf(L"category"), std::vector<std::wstring>{L"categoryMorvaneOption"});
    ASSERT_NE(host.Find(L"hyperLinkHome"), nullptr);
    EXPECT_EQ(host.Find(L"hyperLinkHome")->parentId, L"layout2");
    EXPECT_EQ(host.Find(L"hyperLinkHome")->Attribute(L"target"), L"http://example.org/");
    EXPECT_EQ(host.Find(L"Morvanevisible")->Attribute(L"isDefinitive"), L"true");
    EXPECT_EQ(host.Find(L"nothing"), nullptr);
    // The tree, also through the elements without an id.
    const auto inGroup = host.Children(*host.Find(L"AboutMorvane"));
    ASSERT_EQ(inGroup.size(), 1u);
    EXPECT_EQ(inGroup[0]->kind, L"topItems");
    const auto items = host.Children(*inGroup[0]);
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0]->id, L"Version");
    EXPECT_EQ(items[1]->id, L"layout2");
    EXPECT_TRUE(host.OnLoadCalled());
    EXPECT_TRUE(addin->ribbon);
    EXPECT_EQ(host.InvalidateCount(), 0);
}

TEST_F(RibbonHostTest, CallbacksAreCalledByNameWithTheControl) {
    ASSERT_TRUE(host.Load(Addin()));
    // getLabel in the form that returns the text, getDescription in the by-reference form.
    EXPECT_EQ(host.Label(L"Morvanevisible"), L"Label of Morvanevisible");
    EXPECT_EQ(host.Label(L"categoryMorvaneOption"), L"Label of categoryMorvaneOption");
    EXPECT_EQ(host.Description(L"Morvanevisible"), L"About Morvanevisible");
    // Literal attributes where no callback is named; nothing where neither is.
    EXPECT_EQ(host.Label(L"Morvane"), L"Morvane");
    EXPECT_EQ(host.Description(L"MorvaneOpTion"), L"Literal");
    EXPECT_EQ(host.Label(L"layout2"), L"");
    EXPECT_EQ(host.Label(L"nothing"), L"");

    const RibbonImage picture = host.Image(L"Morvanevisible");
    EXPECT_TRUE(picture.picture);
    EXPECT_EQ(picture.pictureType, PICTYPE_BITMAP);
    EXPECT_EQ(picture.size.cx, 4);
    EXPECT_EQ(picture.size.cy, 4);
    const RibbonImage builtIn = host.Image(L"MorvaneOpTion");
    EXPECT_FALSE(builtIn.picture);
    EXPECT_EQ(builtIn.imageMso, L"ApplicationOptionsDialog");
}

TEST_F(RibbonHostTest, ClickingATaskCallsOnActionAndTheRibbonCountsInvalidations) {
    ASSERT_TRUE(host.Load(Addin()));
    EXPECT_TRUE(host.Click(L"Morvanevisible"));
    EXPECT_EQ(addin->actions, std::vector<std::wstring>{L"Morvanevisible/show"});
    EXPECT_EQ(addin->lastContext.Get(), static_cast<IDispatch*>(application->window.Get()));
    EXPECT_EQ(host.InvalidateCount(), 1);
    EXPECT_EQ(host.InvalidatedControls(), std::vector<std::wstring>{L"Morvanevisible"});
    EXPECT_TRUE(host.Click(L"MorvaneOpTion"));
    EXPECT_EQ(host.InvalidateCount(), 2);
    EXPECT_FALSE(host.Click(L"Version"));  // no onAction
    EXPECT_FALSE(host.Click(L"nothing"));
}

TEST_F(RibbonHostTest, DocumentsOfficeWouldRejectLoadNothing) {
    const std::wstring ns = L" xmlns=\"http://schemas.microsoft.com/office/2009/07/customui\"";
    const std::vector<std::wstring> rejected = {
        L"",
        L"<customUI" + ns + L" onLoad=\"rxcustomUI_onLoad\">",  // not well-formed
        L"<customUI onLoad=\"rxcustomUI_onLoad\"/>",            // no namespace
        L"<other" + ns + L" onLoad=\"rxcustomUI_onLoad\"/>",
        L"<customUI" + ns +
            L" onLoad=\"rxcustomUI_onLoad\"><backstage><tab id=\"a\"/>"
            L"<tab id=\"a\"/></backstage></customUI>",
    };
    for (const auto& xml : rejected) {
        addin->xml = xml;
        EXPECT_FALSE(host.Load(Addin())) << std::string(xml.begin(), xml.end());
        EXPECT_FALSE(host.OnLoadCalled());
        EXPECT_FALSE(host.HasBackstage());
    }
    addin->xml = L"<customUI" + ns + L"/>";
    EXPECT_TRUE(host.Load(Addin()));
    EXPECT_FALSE(host.HasBackstage());
    EXPECT_FALSE(host.OnLoadCalled());
    // An add-in without IRibbonExtensibility has no custom UI.
    EXPECT_FALSE(host.Load(application.Get()));
}

}  // namespace
}  // namespace morvane::standin
