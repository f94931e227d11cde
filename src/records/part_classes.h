#pragma once
// Every part class, and the one place that maps a part type code to its class.

#include <concepts>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>

#include "records/attribute_parts.h"
#include "records/begrenzung_part.h"
#include "records/line_function_parts.h"
#include "records/line_parts.h"
#include "records/object_function_part.h"
#include "records/operation_parts.h"
#include "records/order_header_part.h"
#include "records/part_list.h"
#include "records/point_record_parts.h"
#include "records/satzanfang_part.h"
#include "records/ulob2100_part.h"
#include "records/ulob2110_part.h"
#include "records/suchkriterium_part.h"
#include "records/whf_part.h"

// Calls fn with std::type_identity of the class that implements part type `type`. Codes without a
// class of their own (11 and the repetition factors 31..66) are repetition-factor parts.
template <typename Fn>
decltype(auto) VisitPartClass(int type, Fn&& fn) {
  switch (type) {
    case kPtUlob0000: return fn(std::type_identity<CUlob0000Part>{});
    case kPtUlob1000: return fn(std::type_identity<CUlob1000Part>{});
    case kPtUlob1100:
    case kPtUlo11Alk: return fn(std::type_identity<CUlob1100Part>{});
    case kPtUlob1110: return fn(std::type_identity<CUlob1110Part>{});
    case kPtUlob1200: return fn(std::type_identity<CUlob1200Part>{});
    case kPtUlob2000:
    case kPtUlo20Alk: return fn(std::type_identity<CUlob2000Part>{});
    case kPtUlob2100:
    case kPtUlo21Alk: return fn(std::type_identity<CUlob2100Part>{});
    case kPtUlob2110: return fn(std::type_identity<CUlob2110Part>{});
    case kPtUlta0000: return fn(std::type_identity<CUlta0000Part>{});
    case kPtUlta1000: return fn(std::type_identity<CUlta1000Part>{});
    case kPtUlpu0000: return fn(std::type_identity<CUlpu0000Part>{});
    case kPtUlpu1000: return fn(std::type_identity<CUlpu1000Part>{});
    case kPtUlpu2000: return fn(std::type_identity<CUlpu2000Part>{});
    case kPtUlpu3000: return fn(std::type_identity<CUlpu3000Part>{});
    case kPtUlpu4000: return fn(std::type_identity<CUlpu4000Part>{});
    case kPtUlpu5000: return fn(std::type_identity<CUlpu5000Part>{});
    case kPtUlpu6000: return fn(std::type_identity<CUlpu6000Part>{});
    case kPtUlpu6100: return fn(std::type_identity<CUlpu6100Part>{});
    case kPtUlpu7000: return fn(std::type_identity<CUlpu7000Part>{});
    case kPtUlovek00: return fn(std::type_identity<CUlovek00Part>{});
    case kPtUlodre00: return fn(std::type_identity<CUlodre00Part>{});
    case kPtUlotex: return fn(std::type_identity<CUlotexPart>{});
    case kPtUlqa0000: return fn(std::type_identity<CUlqa0000Part>{});
    case kPtUlodatum: return fn(std::type_identity<CUlodatumPart>{});
    case kPtIbenkrt: return fn(std::type_identity<CBegrenzungPart>{});
    case kPtSuchkrit: return fn(std::type_identity<CSuchkriteriumPart>{});
    case kPtAnfang: return fn(std::type_identity<CSatzanfangPart>{});
    default: return fn(std::type_identity<CWhfPart>{});
  }
}

// Calls fn with the part as its own class, chosen by m_type.
template <typename Fn>
decltype(auto) VisitPart(const CEdbsPart& p, Fn&& fn) {
  return VisitPartClass(p.m_type, [&p, &fn](auto id) -> decltype(auto) {
    using Class = typename decltype(id)::type;
    return fn(static_cast<const Class&>(p));
  });
}

// Whether the parts of a class take the same number of characters for their type, so that the
// parser measures them instead of building them.
template <typename Class>
concept FixedWidthPart = requires(int type) {
  { Class::Width(type) } -> std::convertible_to<std::size_t>;
};

// The kind of geometry of the special information that owns the point `part` (the nearest
// special information before it in its record), which the point needs to be read.
std::string_view OwnerGeometryKind(const CPartRef& part);

// The part object of a stored part, read from its record text by its class's constructor as the
// parser's step read it.
template <typename Class>
Class ReadPart(const CPartRef& part) {
  const CParseCursor cursor(part.List().Text(), static_cast<std::int32_t>(part.Offset()));
  int error = 0;
  if constexpr (std::is_same_v<Class, CSuchkriteriumPart>) {
    return Class(error, part.List().InfoNameIndex());
  } else if constexpr (std::is_same_v<Class, CUlob2100Part>) {
    std::string link;
    return Class(error, part.m_type, link);
  } else if constexpr (std::is_same_v<Class, CUlob2110Part>) {
    return Class(error, OwnerGeometryKind(part));
  } else if constexpr (std::is_constructible_v<Class, int&>) {
    return Class(error);
  } else {
    return Class(error, part.m_type);
  }
}

// The list text of a stored part as it lies in the record, where its class's list text is the
// characters the part read (every class with a fixed width; a repetition factor only when it has
// read four digits, since it shows its count); nothing where the part has to be built for it.
std::optional<std::string_view> ListTextInPlace(const CPartRef& part);

// Calls fn with a stored part as an object of its class. The object lives only while fn runs:
// fn returns what it needs as a value, never a view into the part.
template <typename Fn>
decltype(auto) VisitPart(const CPartRef& part, Fn&& fn) {
  return VisitPartClass(part.m_type, [&part, &fn](auto id) -> decltype(auto) {
    using Class = typename decltype(id)::type;
    using Result = decltype(fn(std::declval<const Class&>()));
    static_assert(!std::is_reference_v<Result> && !std::is_same_v<std::decay_t<Result>, std::string_view>,
                  "the part object ends with the call: return a value");
    const Class p = ReadPart<Class>(part);
    return fn(p);
  });
}

// True when parts of type `type` answer the criterion (their class says so).
inline bool PartTypeAnswersFilter(int type, int criterion) {
  return VisitPartClass(type, [type, criterion](auto id) {
    using Class = typename decltype(id)::type;
    return Class::AnswersFilter(type, criterion);
  });
}
