// A layout file: malformed ones load nothing, and a loaded view connects
// each named object once, by a name it answers to.
#include <set>

#include "fuzz/FuzzSupport.h"
#include "platform/controls/LayoutLoader.h"

namespace {

class CountingOwner : public platform::LayoutOwner {
public:
    void connectOutlet(const std::string& fieldName, NSObject* object) override {
        FUZZ_EXPECT(names.insert(fieldName).second);
        FUZZ_EXPECT(object != nullptr);
    }
    NSControl::Action actionForHandler(const std::string&) override {
        return [](NSControl*) {};
    }
    std::set<std::string> names;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::filesystem::path path = fuzz_support::privateHome() / "layout.json";
    fuzz_support::writeFile(path, fuzz_support::textOf(data, size));
    CountingOwner owner;
    const auto view = platform::loadLayoutFile(path.string(), owner);
    FUZZ_EXPECT(view || owner.names.empty());
    if (view)
        for (const std::string& name : owner.names)
            FUZZ_EXPECT(view->objectNamed(name) != nullptr);
    return 0;
}
