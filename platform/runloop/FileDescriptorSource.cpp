#include "platform/runloop/FileDescriptorSource.h"

#include <utility>

#include "platform/runloop/NSRunLoop.h"

namespace platform {

FileDescriptorSource::FileDescriptorSource(int descriptor, short events, Handler handler) : descriptor_(descriptor) {
    NSRunLoop& runLoop = NSRunLoop::currentRunLoop();
    runLoop_ = runLoop.weak_from_this();
    id_ = runLoop.addSource(descriptor, events, std::make_shared<Handler>(std::move(handler)));
}

FileDescriptorSource::~FileDescriptorSource() {
    if (const std::shared_ptr<NSRunLoop> runLoop = runLoop_.lock()) runLoop->removeSource(id_);
}

void FileDescriptorSource::setEvents(short events) {
    if (const std::shared_ptr<NSRunLoop> runLoop = runLoop_.lock()) runLoop->setSourceEvents(id_, events);
}

}  // namespace platform
