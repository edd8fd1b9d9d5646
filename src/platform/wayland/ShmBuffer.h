#pragma once

#include <QImage>

#include <cstdint>
#include <memory>

struct wl_buffer;
struct wl_shm;

// Memory shared with the compositor, and the buffer it knows it by.
class ShmBuffer {
public:
    // Nothing (and a warning) when the memory cannot be had.
    static std::unique_ptr<ShmBuffer> create(wl_shm* shm, QSize size, int stride,
                                             std::uint32_t format);
    ~ShmBuffer();

    ShmBuffer(const ShmBuffer&) = delete;
    ShmBuffer& operator=(const ShmBuffer&) = delete;

    wl_buffer* buffer() const { return m_buffer; }
    // The memory as an image; valid while the buffer lives.
    QImage view(QImage::Format format) const;
    // The memory as an image that keeps it once the buffer is gone.
    QImage take(QImage::Format format);

private:
    ShmBuffer() = default;

    struct Mapping;
    wl_buffer* m_buffer = nullptr;
    QSize m_size;
    int m_stride = 0;
    Mapping* m_mapping = nullptr; // until an image takes it
};
