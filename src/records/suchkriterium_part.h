#pragma once
// Search criterion (Suchkriterium): a chain of items "AS"/"AN" + data key + "EQ" + value that
// closes FLOE and FAEN records and data records with characters left over. Its width depends on
// its content, so it reports its own error codes: 200 + key index when a value is cut short
// (226 for an unknown key), 250..253 for a broken connector or operator.

#include <string>

#include "records/edbs_part.h"

class CSuchkriteriumPart : public CEdbsPart {
 public:
  static constexpr int kKeyCount = 26;

  // infoNameIndex: the record's information-name index, kept with the part.
  CSuchkriteriumPart(int& error, int infoNameIndex);

  int FillDetail() const;
  // selector 0..25: the value of that key ("" when absent); -1: all present items as
  // " KEYEQvalue" in display order; any other selector: a notice text.
  std::string GetListText(int selector) const;
  int MatchFilter(int criterion) const;
  static bool AnswersFilter(int type, int criterion);

  bool HasKey(int k) const { return k >= 0 && k < kKeyCount && m_keyFlags[k] == 'T'; }

  int m_infoNameIndex;
  std::string m_keyFlags;  // one 'T' (present) or 'F' (absent) per data key

  // Value slots; "~" while no key has filled them. Keys of different record kinds share a slot.
  std::string m_numberingDistrict = "~";
  std::string m_coordinate = "~";
  std::string m_checkChar = "~";
  std::string m_currency = "~";
  std::string m_objectNumber = "~";
  std::string m_modelType = "~";
  std::string m_infoKind = "~";
  std::string m_objectName = "~";
  std::string m_partNumber = "~";
  std::string m_attributeType = "~";
  std::string m_pointKind = "~";
  std::string m_pointNumber = "~";
  std::string m_planStatus = "~";
  std::string m_heightStatus = "~";
  std::string m_gravityStatus = "~";
  std::string m_rowNumber = "~";
  std::string m_controlPointOrder = "~";
  std::string m_locationText = "~";
  std::string m_positionStatus = "~";

  // Rechtswert and Hochwert from DLOB0001 + DLOB0002; decoded only when both were read and the
  // whole criterion parsed (m_hasPoint), else the initial values stay.
  double m_x = -9999999.9999;
  double m_y = -9999999.9999;
  bool m_hasPoint = false;

 private:
  const std::string& Slot(int k) const;
  int Parse();
};
