// Creation and destruction of the panel.
#include <cstring>

#include "platform/core/DeviceUri.h"
#include "platform/core/TextConversion.h"
#include "plugin/Logging.h"
#include "plugin/NelvoPrintPdeZlm420kJC.h"
#include "plugin/SystemVersion.h"

namespace {

// The device URI schemes whose host part is the device's network address.
bool isNetworkScheme(const std::string& scheme) {
    return scheme == "ipp" || scheme == "lpd" || scheme == "socket";
}

const char* yesOrNo(bool value) {
    return value ? "YES" : "NO";
}

// CUPS converts a PPD's texts to UTF-8 but leaves the model name's bytes as
// the file has them, so a model name in another encoding would not decode
// and the queue's remembered defaults would be reset on every dialog. Such a
// name is read as ISO Latin 1, where every byte stands for a character.
std::optional<std::string> decodeModelName(const char* modelName, NSStringEncoding encoding) {
    if (!modelName) return std::nullopt;
    const size_t length = std::strlen(modelName);
    if (auto decoded = platform::stringFromBytes(modelName, length, encoding)) return decoded;
    return platform::stringFromBytes(modelName, length, NSISOLatin1StringEncoding);
}

}  // namespace

std::shared_ptr<NelvoPrintPdeZlm420kJC> NelvoPrintPdeZlm420kJC::initWithCallback(
    std::shared_ptr<NelvoPrintPdeZlm420kJCPDEPluginCallback> callback, std::unique_ptr<NSBundle> bundle) {
    return std::shared_ptr<NelvoPrintPdeZlm420kJC>(new NelvoPrintPdeZlm420kJC(std::move(callback), std::move(bundle)));
}

std::unique_ptr<NSBundle> NelvoPrintPdeZlm420kJC::bundleOfPanelClass() {
    return NSBundle::bundleContainingAddress(
        reinterpret_cast<const void*>(&NelvoPrintPdeZlm420kJC::bundleOfPanelClass));
}

NelvoPrintPdeZlm420kJC::NelvoPrintPdeZlm420kJC(std::shared_ptr<NelvoPrintPdeZlm420kJCPDEPluginCallback> callback,
                                               std::unique_ptr<NSBundle> bundle) {
    context.pdePluginCallbackObject = std::move(callback);
    context.pdeBundle = std::move(bundle);
    PDEProlog(this, "initWithCallback:(%@, %p)", context.pdePluginCallbackObject.get(),
              context.pdePluginCallbackObject.get());

    context.useConstraintHandling =
        context.pdePluginCallbackObject && context.pdePluginCallbackObject->respondsToWillChangePPDOptionKeyValue();
    PDELog(this, "Constraint Handling Available: %s", yesOrNo(context.useConstraintHandling));
    context.canResizeView = runningOnLeopardOrLater();
    PDELog(this, "Can resize on the fly: %s", yesOrNo(context.canResizeView));

    context.ppd = context.useConstraintHandling ? context.pdePluginCallbackObject->ppdFile() : getPPDOnTiger();
    if (context.ppd) {
        context.ppdEncoding = getEncodingFromPPD(context.ppd);
        context.modelStringRef = decodeModelName(context.ppd->modelname, context.ppdEncoding);
        takeDeviceAddress();
        CheckPreference();
        GetUserPreference();
        GetFolderPreference();
        if (context.pdeBundle) {
            if (const auto path = context.pdeBundle->pathForResource("listfiles", "xml"))
                deviceFolders.requestData = platform::readFileData(*path);
            if (const auto path = context.pdeBundle->pathForResource("vwxyz", "xml"))
                kept.debugData = platform::readFileData(*path);
        }
        kept.tigerHDDFlag = isTiger() && CheckHardDisk();
    }

    context.systemEncoding = CFStringConvertEncodingToNSStringEncoding(CFStringGetSystemEncoding());
    loadSpaceImage();
    PDEEpilog(this, "initWithCallback:=id(self)");
}

// The device's host address from the printer's device URI, and the name of
// the queue's preference domain.
void NelvoPrintPdeZlm420kJC::takeDeviceAddress() {
    PMPrintSession session = context.pdePluginCallbackObject->printSession();
    PMPrinter printer = nullptr;
    if (PMSessionGetCurrentPrinter(session, &printer) != noErr || !printer) return;

    std::optional<std::string> deviceURI;
    PMPrinterCopyDeviceURI(printer, &deviceURI);
    if (deviceURI) {
        const auto parts = platform::separateDeviceUri(*deviceURI);
        if (parts && isNetworkScheme(parts->scheme) && !parts->host.empty()) context.mfpURL = parts->host;
    }
    context.preferenceName = kPreferenceDomainPrefix + PMPrinterGetID(printer);
}

NelvoPrintPdeZlm420kJC::~NelvoPrintPdeZlm420kJC() = default;

NSStringEncoding encodingFromLanguageEncoding(const char* languageEncoding) {
    if (!languageEncoding) return NSMacOSRomanStringEncoding;
    const std::string text = languageEncoding;
    if (text == "ISOLatin1") return NSISOLatin1StringEncoding;
    if (text == "WindowsANSI") return NSWindowsCP1252StringEncoding;
    if (text == "JIS83-RKSJ") return NSShiftJISStringEncoding;
    if (text == "UTF-8" || text == "UTF8") return NSUTF8StringEncoding;
    return NSMacOSRomanStringEncoding;
}

NSStringEncoding getEncodingFromPPD(ppd_file_t* ppd) {
    return encodingFromLanguageEncoding(ppd ? ppd->lang_encoding : nullptr);
}
