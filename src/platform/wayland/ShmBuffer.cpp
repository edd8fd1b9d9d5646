#include "platform/wayland/ShmBuffer.h"

#include <QLoggingCategory>

#include <wayland-client.h>

#include <sys/mman.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

Q_LOGGING_CATEGORY(lcShm, "gestrix.wayland", QtCriticalMsg)

struct ShmBuffer::Mapping {
    void* address = nullptr;
    std::size_t size = 0;

    static void unmap(void* mapping) {
        auto* self = static_cast<Mapping*>(mapping);
        ::munmap(self->address, self->size);
        delete self;
    }
};

std::unique_ptr<ShmBuffer> ShmBuffer::create(wl_shm* shm, QSize size, int stride,
                                             std::uint32_t format) {
    const std::size_t bytes = std::size_t(stride) * std::size_t(size.height());
    if (bytes == 0 || size.width() <= 0)
        return nullptr;
    const int file = ::memfd_create("gestrix-shm", MFD_CLOEXEC);
    if (file < 0 || ::ftruncate(file, off_t(bytes)) != 0) {
        qCWarning(lcShm) << "no memory to share with the compositor:" << strerror(errno);
        if (file >= 0)
            ::close(file);
        return nullptr;
    }
    void* address = ::mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_SHARED, file, 0);
    if (address == MAP_FAILED) {
        qCWarning(lcShm) << "cannot map memory shared with the compositor:" << strerror(errno);
        ::close(file);
        return nullptr;
    }
    std::unique_ptr<ShmBuffer> shared(new ShmBuffer);
    shared->m_mapping = new Mapping{address, bytes};
    shared->m_size = size;
    shared->m_stride = stride;
    wl_shm_pool* pool = wl_shm_create_pool(shm, file, int(bytes));
    shared->m_buffer =
        wl_shm_pool_create_buffer(pool, 0, size.width(), size.height(), stride, format);
    wl_shm_pool_destroy(pool);
    ::close(file);
    return shared;
}

ShmBuffer::~ShmBuffer() {
    wl_buffer_destroy(m_buffer);
    if (m_mapping)
        Mapping::unmap(m_mapping);
}

QImage ShmBuffer::view(QImage::Format format) const {
    return QImage(static_cast<uchar*>(m_mapping->address), m_size.width(), m_size.height(),
                  m_stride, format);
}

QImage ShmBuffer::take(QImage::Format format) {
    Mapping* mapping = std::exchange(m_mapping, nullptr);
    return QImage(static_cast<uchar*>(mapping->address), m_size.width(), m_size.height(), m_stride,
                  format, Mapping::unmap, mapping);
}
