#pragma once

// The display scale of a page and the three ways the program turns it into a
// percent. Scales are kept as floats a hair above the round value, so that
// repeated steps of 0.1 land where the limits expect them.
class Zoom
{
public:
    constexpr explicit Zoom(float scale = 1.0f)
        : m_scale(scale)
    {
    }

    // The step from 20 to 100 that the preferences remember a scale by, and back.
    [[nodiscard]] static Zoom fromStoredPercent(int percent);
    [[nodiscard]] int storedPercent() const;

    // What captions and messages show: rounded, ties to even.
    [[nodiscard]] int shownPercent() const;
    // What text is laid out at: truncated, as the cell painter sizes fonts,
    // so the cell editor wraps exactly where the page does.
    [[nodiscard]] int layoutPercent() const;

    [[nodiscard]] float scale() const { return m_scale; }

private:
    float m_scale;
};
