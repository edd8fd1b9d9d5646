#include "platform/wayland/ShmBuffer.h"

#include "platform/process/SharedMemory.h"

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
    const std::optional<SharedMemory> memory = makeSharedMemory("gestrix-shm", bytes);
    if (!memory) {
        qCWarning(lcShm) << "no memory to share with the compositor:" << strerror(errno);
        return nullptr;
    }
    std::unique_ptr<ShmBuffer> shared(new ShmBuffer);
    shared->m_mapping = new Mapping{memory->address, bytes};
    shared->m_size = size;
    shared->m_stride = stride;
    wl_shm_pool* pool = wl_shm_create_pool(shm, memory->file, int(bytes));
    shared->m_buffer =
        wl_shm_pool_create_buffer(pool, 0, size.width(), size.height(), stride, format);
    wl_shm_pool_destroy(pool);
    ::close(memory->file);
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
