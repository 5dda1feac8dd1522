// Components for the streaming tests: they log what the reader does to them
// and count constructions and destructions.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Component.h"

namespace bvt::test {

struct ProbeLog {
    static int constructed;
    static int destroyed;
    static std::vector<std::string> events;  // "name.Property", "name.parent=X", "name.Loaded"
    static void Reset() {
        constructed = destroyed = 0;
        events.clear();
    }
};

class TProbe : public TComponent {
public:
    explicit TProbe(TComponent* owner) : TComponent(owner) { ++ProbeLog::constructed; }
    ~TProbe() override { ++ProbeLog::destroyed; }

    void DefineProperties(TFiler& filer) override;
    void SetParentComponent(TComponent* parent) override;
    void Loaded() override { Log("Loaded"); }
    void Log(const std::string& what) { ProbeLog::events.push_back(Name() + "." + what); }

    std::int64_t left = 0;
    std::string caption, fontName;
    bool visible = true;
    int borderStyle = 0;
    std::uint32_t borderIcons = 0;
    std::vector<std::uint8_t> data;     // raw property "Data"
    bool hasData = false;
    TComponent* parent = nullptr;
};

// A container (panel-like) class, registered with TProbe as its parent.
class TProbeBox : public TProbe {
public:
    using TProbe::TProbe;
};

// Registers TProbe ("Left", "Caption", "Font.Name", "Visible", "BorderStyle",
// "BorderIcons", raw "Data" and raw "Greedy" that reads 4 bytes more than it
// has, "Explode" whose setter throws) and TProbeBox. Idempotent.
void RegisterProbeClasses();

}  // namespace bvt::test
