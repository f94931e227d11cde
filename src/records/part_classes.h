#pragma once
// Every part class, and the one place that maps a part type code to its class.

#include <type_traits>

#include "records/attribute_parts.h"
#include "records/begrenzung_part.h"
#include "records/line_function_parts.h"
#include "records/line_parts.h"
#include "records/object_function_part.h"
#include "records/operation_parts.h"
#include "records/order_header_part.h"
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

// True when parts of type `type` answer the criterion (their class says so).
inline bool PartTypeAnswersFilter(int type, int criterion) {
  return VisitPartClass(type, [type, criterion](auto id) {
    using Class = typename decltype(id)::type;
    return Class::AnswersFilter(type, criterion);
  });
}
