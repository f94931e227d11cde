#pragma once
// Every part class, and the one place that maps a part type code to its class.

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

// Calls fn with the part as its own class, chosen by m_type. Codes without a class of their own
// (11 and the repetition factors 31..66) are repetition-factor parts.
template <typename Fn>
decltype(auto) VisitPart(const CEdbsPart& p, Fn&& fn) {
  switch (p.m_type) {
    case kPtUlob0000: return fn(static_cast<const CUlob0000Part&>(p));
    case kPtUlob1000: return fn(static_cast<const CUlob1000Part&>(p));
    case kPtUlob1100:
    case kPtUlo11Alk: return fn(static_cast<const CUlob1100Part&>(p));
    case kPtUlob1110: return fn(static_cast<const CUlob1110Part&>(p));
    case kPtUlob1200: return fn(static_cast<const CUlob1200Part&>(p));
    case kPtUlob2000:
    case kPtUlo20Alk: return fn(static_cast<const CUlob2000Part&>(p));
    case kPtUlob2100:
    case kPtUlo21Alk: return fn(static_cast<const CUlob2100Part&>(p));
    case kPtUlob2110: return fn(static_cast<const CUlob2110Part&>(p));
    case kPtUlta0000: return fn(static_cast<const CUlta0000Part&>(p));
    case kPtUlta1000: return fn(static_cast<const CUlta1000Part&>(p));
    case kPtUlpu0000: return fn(static_cast<const CUlpu0000Part&>(p));
    case kPtUlpu1000: return fn(static_cast<const CUlpu1000Part&>(p));
    case kPtUlpu2000: return fn(static_cast<const CUlpu2000Part&>(p));
    case kPtUlpu3000: return fn(static_cast<const CUlpu3000Part&>(p));
    case kPtUlpu4000: return fn(static_cast<const CUlpu4000Part&>(p));
    case kPtUlpu5000: return fn(static_cast<const CUlpu5000Part&>(p));
    case kPtUlpu6000: return fn(static_cast<const CUlpu6000Part&>(p));
    case kPtUlpu6100: return fn(static_cast<const CUlpu6100Part&>(p));
    case kPtUlpu7000: return fn(static_cast<const CUlpu7000Part&>(p));
    case kPtUlovek00: return fn(static_cast<const CUlovek00Part&>(p));
    case kPtUlodre00: return fn(static_cast<const CUlodre00Part&>(p));
    case kPtUlotex: return fn(static_cast<const CUlotexPart&>(p));
    case kPtUlqa0000: return fn(static_cast<const CUlqa0000Part&>(p));
    case kPtUlodatum: return fn(static_cast<const CUlodatumPart&>(p));
    case kPtIbenkrt: return fn(static_cast<const CBegrenzungPart&>(p));
    case kPtSuchkrit: return fn(static_cast<const CSuchkriteriumPart&>(p));
    case kPtAnfang: return fn(static_cast<const CSatzanfangPart&>(p));
    default: return fn(static_cast<const CWhfPart&>(p));
  }
}
