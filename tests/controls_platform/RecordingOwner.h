// A layout owner that records what the loader connects and gives each known
// handler name an action that records its calls.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/controls/LayoutOwner.h"

class RecordingOwner : public platform::LayoutOwner {
public:
    explicit RecordingOwner(std::set<std::string> knownHandlers = {}) : knownHandlers_(std::move(knownHandlers)) {}

    void connectOutlet(const std::string& fieldName, NSObject* object) override {
        connectionOrder.push_back(fieldName);
        outlets[fieldName] = object;
    }

    NSControl::Action actionForHandler(const std::string& handlerName) override {
        requestedHandlers.push_back(handlerName);
        if (!knownHandlers_.count(handlerName)) return {};
        return [this, handlerName](NSControl* sender) { calls.emplace_back(handlerName, sender); };
    }

    std::map<std::string, NSObject*> outlets;
    std::vector<std::string> connectionOrder;
    std::vector<std::string> requestedHandlers;
    std::vector<std::pair<std::string, NSControl*>> calls;

private:
    std::set<std::string> knownHandlers_;
};
