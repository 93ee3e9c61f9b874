// Checks that a record's reflect() visits every field of it, and does the same for every
// record reached through the fields it visits (through fixed arrays to their elements).
//
// C++ cannot list a struct's fields, so they are found from the aggregate itself: the
// largest N for which `T{probe, ... N times}` compiles is the field count, and building a
// T from N probes, each of which turns into whatever field it initialises, gives every
// field's size and alignment in order, hence its offset. The offsets laid out that way must
// add up to sizeof(T), which confirms the count; then every field's offset and size must be
// among the places reflect() visits inside the object. What the probes cannot read fails
// rather than passes: a record that is no aggregate does not compile, and a C array, which
// they count element by element, leaves elements unvisited.
#pragma once

#include <cxxabi.h>

#include <cstddef>
#include <cstdlib>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <type_traits>
#include <typeindex>
#include <utility>
#include <vector>

#include "shell/plain_data.h"

namespace reflection_check {

struct FieldShape {
    std::size_t size = 0;
    std::size_t align = 0;
};

// Turns into any type; at run time it notes the shape of each field it initialises.
struct Probe {
    std::vector<FieldShape>* shapes = nullptr;
    template <class U> operator U() const {
        shapes->push_back({sizeof(U), alignof(U)});
        return U{};
    }
};

template <class T, std::size_t... I> constexpr bool takesProbes(std::index_sequence<I...>) {
    return requires {
        T{(static_cast<void>(I), Probe{})...};
    };
}

template <class T, std::size_t N> constexpr bool takes() {
    return takesProbes<T>(std::make_index_sequence<N>{});
}

// T takes Lo probes and not Hi.
template <class T, std::size_t Lo, std::size_t Hi> constexpr std::size_t countBetween() {
    if constexpr (Hi - Lo <= 1) {
        return Lo;
    } else {
        constexpr std::size_t mid = (Lo + Hi) / 2;
        if constexpr (takes<T, mid>())
            return countBetween<T, mid, Hi>();
        else
            return countBetween<T, Lo, mid>();
    }
}

// Doubles N until T no longer takes N probes, then halves the gap.
template <class T, std::size_t N = 1> constexpr std::size_t fieldCount() {
    static_assert(N <= 4096, "more fields than any record of the state has");
    if constexpr (takes<T, N>())
        return fieldCount<T, 2 * N>();
    else
        return countBetween<T, N / 2, N>();
}

// A T built from probes, with the shapes of its fields in order.
template <class T, std::size_t... I>
std::unique_ptr<T> buildFromProbes(std::vector<FieldShape>& shapes, std::index_sequence<I...>) {
    return std::unique_ptr<T>(new T{(static_cast<void>(I), Probe{&shapes})...});
}

template <class T> std::string typeName() {
    int status = 0;
    char* name = abi::__cxa_demangle(typeid(T).name(), nullptr, nullptr, &status);
    std::string out = status == 0 ? name : typeid(T).name();
    std::free(name);
    return out;
}

struct Field {
    std::size_t offset = 0;
    std::size_t size = 0;
};

struct Visit {
    std::string name;
    std::size_t offset = 0;
    std::size_t size = 0;
};

struct Unvisited {
    std::size_t index = 0; // 1-based, in declaration order
    Field field;
    std::string after; // the visited field before it, if any
};

// What was found for one record.
struct RecordReport {
    std::string record;
    std::size_t fields = 0;
    std::size_t visited = 0; // distinct fields reflect() visits
    std::vector<Unvisited> unvisited;
    std::vector<std::string> problems; // a misread layout, visits that are no field, repeats

    bool complete() const { return unvisited.empty() && problems.empty(); }
    std::string describe() const;
};

inline std::string RecordReport::describe() const {
    std::ostringstream out;
    out << record << ": " << fields << " fields, reflect() visits " << visited;
    for (const std::string& p : problems) out << "\n  " << p;
    for (const Unvisited& u : unvisited) {
        out << "\n  field " << u.index << " (" << u.field.size << " bytes at offset "
            << u.field.offset;
        if (!u.after.empty()) out << ", after \"" << u.after << "\"";
        out << ") is not visited";
    }
    return out.str();
}

class Checker {
  public:
    // Checks every record T reaches; arrays stand for their elements, numbers and texts
    // are leaves.
    template <class T> void reach() {
        if constexpr (std::is_arithmetic_v<T> || IsFixedString<T>::value) {
            return;
        } else if constexpr (IsSequence<T>::value) {
            reach<std::remove_reference_t<decltype(*std::declval<T&>().begin())>>();
        } else {
            if (!seen_.insert(typeid(T)).second) return;
            RecordReport report = check<T>();
            reports_.push_back(std::move(report));
        }
    }

    const std::vector<RecordReport>& reports() const { return reports_; }
    const RecordReport* find(const std::string& record) const {
        for (const RecordReport& r : reports_)
            if (r.record == record) return &r;
        return nullptr;
    }

  private:
    struct Collector {
        Checker& checker;
        const std::byte* base;
        std::vector<Visit> visits;
        template <class U> void operator()(const char* name, U& v) {
            const auto* at = reinterpret_cast<const std::byte*>(&v);
            visits.push_back({name, static_cast<std::size_t>(at - base), sizeof v});
            checker.reach<U>();
        }
    };

    template <class T> RecordReport check();

    std::set<std::type_index> seen_;
    std::vector<RecordReport> reports_;
};

template <class T> RecordReport Checker::check() {
    static_assert(std::is_aggregate_v<T>, "the fields of a record that is no aggregate cannot "
                                          "be counted");
    static_assert(std::is_standard_layout_v<T>,
                  "the offsets of a record that is not standard-layout cannot be laid out");
    constexpr std::size_t count = fieldCount<T>();
    RecordReport report;
    report.record = typeName<T>();
    report.fields = count;

    std::vector<FieldShape> shapes;
    const std::unique_ptr<T> object = buildFromProbes<T>(shapes, std::make_index_sequence<count>{});
    std::vector<Field> fields;
    std::size_t end = 0;
    for (const FieldShape& s : shapes) {
        const std::size_t offset = (end + s.align - 1) / s.align * s.align;
        fields.push_back({offset, s.size});
        end = offset + s.size;
    }
    end = (end + alignof(T) - 1) / alignof(T) * alignof(T);
    if (shapes.size() != count || end != sizeof(T)) {
        std::ostringstream p;
        p << "its " << shapes.size() << " fields laid out take " << end << " bytes, the record "
          << sizeof(T) << ": the fields are misread";
        report.problems.push_back(p.str());
    }

    Collector collector{*this, reinterpret_cast<const std::byte*>(object.get()), {}};
    reflect(collector, *object);

    std::set<std::size_t> visitedOffsets;
    for (const Visit& v : collector.visits) {
        bool isField = false;
        for (const Field& f : fields)
            isField = isField || (f.offset == v.offset && f.size == v.size);
        std::ostringstream p;
        if (!isField) {
            p << "\"" << v.name << "\" (" << v.size << " bytes at offset " << v.offset
              << ") is no field of it";
        } else if (!visitedOffsets.insert(v.offset).second) {
            p << "\"" << v.name << "\" visits offset " << v.offset << " again";
        } else {
            continue;
        }
        report.problems.push_back(p.str());
    }
    report.visited = visitedOffsets.size();

    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (visitedOffsets.count(fields[i].offset)) continue;
        Unvisited u{i + 1, fields[i], {}};
        std::size_t afterOffset = 0;
        for (const Visit& v : collector.visits)
            if (v.offset < u.field.offset && (u.after.empty() || v.offset > afterOffset)) {
                u.after = v.name;
                afterOffset = v.offset;
            }
        report.unvisited.push_back(std::move(u));
    }
    return report;
}

} // namespace reflection_check
