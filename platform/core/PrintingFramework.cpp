#include "platform/core/PrintingFramework.h"

namespace platform {

const std::string* PrintSettings::find(const std::string& key) const {
    const auto found = values_.find(key);
    return found == values_.end() ? nullptr : &found->second;
}

}  // namespace platform

OSStatus PMSessionGetCurrentPrinter(PMPrintSession session, PMPrinter* printer) {
    if (!session || !printer || !session->currentPrinter) return kPMInvalidParameter;
    *printer = session->currentPrinter;
    return noErr;
}

OSStatus PMPrinterCopyDeviceURI(PMPrinter printer, std::optional<std::string>* deviceURI) {
    if (!printer || !deviceURI) return kPMInvalidParameter;
    *deviceURI = printer->deviceURI;
    return printer->deviceURI ? noErr : kPMKeyNotFound;
}

std::string PMPrinterGetID(PMPrinter printer) {
    return printer ? printer->identifier : std::string();
}

OSStatus PMPrintSettingsGetValue(PMPrintSettings settings, const std::string& key, const std::string** value) {
    if (!settings || !value) return kPMInvalidParameter;
    *value = settings->find(key);
    return *value ? noErr : kPMKeyNotFound;
}

OSStatus PMPrintSettingsGetJobName(PMPrintSettings settings, const std::string** name) {
    if (!settings || !name) return kPMInvalidParameter;
    *name = settings->jobName() ? &*settings->jobName() : nullptr;
    return *name ? noErr : kPMKeyNotFound;
}

OSStatus PMPrintSettingsSetValue(PMPrintSettings settings, const std::string& key, const std::string* value,
                                 bool /*locked*/) {
    if (!settings) return kPMInvalidParameter;
    if (value)
        settings->set(key, *value);
    else
        settings->remove(key);
    return noErr;
}
