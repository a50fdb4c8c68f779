#pragma once

#include <cstdint>
#include <string_view>

// What the controller tells the simulated intersection: a load switch's lamps changed, how many
// phases are in use, and which turn heads to show. The intersection holds no timing of its own.

namespace corvane {

class IntersectionPreview {
public:
    virtual ~IntersectionPreview() = default;
    virtual void ShowLampState(std::int32_t loadSwitch, std::string_view code) = 0;
    virtual void ConfigurePreviewPhases(std::int32_t phasesInUse) = 0;
    virtual void ShowPreviewHead(std::int32_t head) = 0;
    virtual void HidePreviewHead(std::int32_t head) = 0;
};

// For a controller without a simulated intersection.
class NoIntersectionPreview final : public IntersectionPreview {
public:
    void ShowLampState(std::int32_t, std::string_view) override {}
    void ConfigurePreviewPhases(std::int32_t) override {}
    void ShowPreviewHead(std::int32_t) override {}
    void HidePreviewHead(std::int32_t) override {}
};

}  // namespace corvane
