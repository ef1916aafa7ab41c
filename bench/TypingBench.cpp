// The cost of typing or pasting long text into the login-name field through
// its input filter, letter by letter as the user types: 20,000 and 80,000
// characters, plain letters and characters outside the Basic Multilingual
// Plane (two code units each). The fit shows how it grows.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "controls/TextFields.h"
#include "platform/controls/Containers.h"
#include "platform/controls/TextFields.h"

namespace {

std::string repeated(const std::string& character, std::size_t count) {
    std::string text;
    text.reserve(character.size() * count);
    for (std::size_t i = 0; i < count; ++i)
        text += character;
    return text;
}

NSTextField& loginNameField(NSView& view) {
    auto field = std::make_unique<NSTextField>();
    field->setTag(4);
    field->setEditable(true);
    field->cell().setFormatter(std::make_unique<LoginnameInputFilter>());
    return static_cast<NSTextField&>(*view.addControl(std::move(field)));
}

void typeRepeated(benchmark::State& state, const std::string& character) {
    NSView view;
    NSTextField& field = loginNameField(view);
    const std::string text = repeated(character, static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        field.setStringValue("");
        field.userTypeText(text);
        benchmark::DoNotOptimize(field.stringValue().size());
    }
    state.SetComplexityN(state.range(0));
}

void BM_TypeLetters(benchmark::State& state) {
    typeRepeated(state, "a");
}
void BM_TypeEmoji(benchmark::State& state) {
    typeRepeated(state, "\xF0\x9F\x98\x80");
}

BENCHMARK(BM_TypeLetters)->Arg(20000)->Arg(80000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(BM_TypeEmoji)->Arg(20000)->Arg(80000)->Unit(benchmark::kMillisecond)->Complexity();

}  // namespace
