// Where each window stood at the moment it appeared, read from the X
// server's own events rather than looked up afterwards: a window that is
// mapped in one place and moved at once would otherwise be seen only where
// it ended up.
#pragma once

#include <QRect>
#include <QString>
#include <map>
#include <optional>

struct xcb_connection_t;

namespace quorbals::e2e {

class FrameRecorder {
public:
    // Starts recording on `display`; only what is mapped from now on is seen.
    explicit FrameRecorder(const QString& display);
    ~FrameRecorder();
    FrameRecorder(const FrameRecorder&) = delete;
    FrameRecorder& operator=(const FrameRecorder&) = delete;

    bool ok() const { return connection_ != nullptr; }
    // The outer rectangle (frame and border) of the top-level window that
    // holds the client window `windowId`, as it stood when last mapped;
    // empty when that was not seen.
    std::optional<QRect> WhenMapped(const QString& windowId);
    // The same rectangle as it stands now.
    std::optional<QRect> Now(const QString& windowId);

private:
    void TakeEvents();
    unsigned TopLevelOf(unsigned window) const;

    xcb_connection_t* connection_ = nullptr;
    unsigned root_ = 0;
    std::map<unsigned, QRect> placed_;     // by top-level window, as last configured
    std::map<unsigned, QRect> atMapping_;  // by top-level window, when last mapped
};

}  // namespace quorbals::e2e
