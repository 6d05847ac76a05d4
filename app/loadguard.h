#pragma once
// Keeps two loads from filling one dataset at once. A trigger that comes
// while a load runs is remembered, and one more load follows when the
// running one has finished, so the view ends up with fresh data.

class LoadGuard
{
public:
    // True when the caller may start a load now.
    bool begin()
    {
        if (m_running) {
            m_again = true;
            return false;
        }
        m_running = true;
        return true;
    }
    // Call from the UI half; true when another load was asked for meanwhile.
    bool finish()
    {
        m_running = false;
        const bool again = m_again;
        m_again = false;
        return again;
    }
    bool running() const { return m_running; }

private:
    bool m_running = false;
    bool m_again = false;
};
