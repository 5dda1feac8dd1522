#include "ProbeClasses.h"

#include "Exceptions.h"
#include "Streams.h"
#include "TypeInfo.h"

namespace bvt::test {

int ProbeLog::constructed = 0;
int ProbeLog::destroyed = 0;
std::vector<std::string> ProbeLog::events;

void TProbe::DefineProperties(TFiler& filer) {
    filer.DefineBinaryProperty(
        "Data",
        [this](TStream& s) {
            Log("Data");
            data.resize(static_cast<std::size_t>(s.Size()));
            s.ReadBuffer(data.data(), data.size());
        },
        [this](TStream& s) { s.WriteBuffer(data.data(), data.size()); }, hasData);
    filer.DefineBinaryProperty(
        "Greedy",
        [this](TStream& s) {
            std::vector<std::uint8_t> more(static_cast<std::size_t>(s.Size()) + 4);
            Log("Greedy");
            s.ReadBuffer(more.data(), more.size());
        },
        nullptr, false);
}

void TProbe::SetParentComponent(TComponent* p) {
    parent = p;
    Log("parent=" + p->Name());
}

void RegisterProbeClasses() {
    static const bool once = [] {
        RegisterClass<TProbe>("TProbe", "TComponent")
            .Integer("Left", [](TProbe& c) { return c.left; }, [](TProbe& c, std::int64_t v) { c.left = v; c.Log("Left"); })
            .String("Caption", [](TProbe& c) { return c.caption; },
                    [](TProbe& c, const std::string& v) { c.caption = v; c.Log("Caption"); })
            .String("Font.Name", [](TProbe& c) { return c.fontName; },
                    [](TProbe& c, const std::string& v) { c.fontName = v; c.Log("Font.Name"); },
                    [](TProbe& c) { return !c.fontName.empty(); })
            .Boolean("Visible", [](TProbe& c) { return c.visible; }, [](TProbe& c, bool v) { c.visible = v; c.Log("Visible"); })
            .Enum("BorderStyle", {"bsNone", "bsSingle", "bsDialog"}, [](TProbe& c) { return c.borderStyle; },
                  [](TProbe& c, int v) { c.borderStyle = v; c.Log("BorderStyle"); })
            .Set("BorderIcons", {"biSystemMenu", "biMinimize", "biMaximize", "biHelp"},
                 [](TProbe& c) { return c.borderIcons; },
                 [](TProbe& c, std::uint32_t v) { c.borderIcons = v; c.Log("BorderIcons"); })
            .Boolean("Explode", [](TProbe&) { return false; },
                     [](TProbe&, bool v) { if (v) throw Exception("Explode was set"); },
                     [](TProbe&) { return false; });
        RegisterClass<TProbeBox>("TProbeBox", "TProbe");
        return true;
    }();
    (void)once;
}

}  // namespace bvt::test
