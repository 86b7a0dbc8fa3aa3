// Small meets written inline for the browse tests.
#pragma once

#include <memory>
#include <string>

#include "lenex/qb_lenex.h"
#include "lenex/reader/qb_lenex_reader_default.h"

namespace browse_test {

struct Meet {
  std::shared_ptr<lnx::TQbLenex> doc;
  std::shared_ptr<const lnx::IQbLenexMeet> meet;
};

// A document of one meet with the given attributes and content, LENEX version 3.0 by default.
inline Meet ReadMeet(const std::string& meetAttrs, const std::string& meetBody, const std::string& version = "3.0") {
  auto reader = lnx::TQbLenexReaderDefault::FromText("<LENEX version=\"" + version + "\"><MEETS><MEET " + meetAttrs +
                                                     ">" + meetBody + "</MEET></MEETS></LENEX>");
  Meet m;
  m.doc = lnx::TQbLenex::FromReader(*reader, true);
  m.meet = m.doc->GetMeets()->GetItem(0);
  return m;
}

inline std::string Session(const std::string& attrs, const std::string& events) {
  return "<SESSION " + attrs + "><EVENTS>" + events + "</EVENTS></SESSION>";
}

inline std::string Event(int id, int number, const std::string& attrs,
                         const std::string& style = "distance=\"100\" stroke=\"FREE\" relaycount=\"1\"",
                         const std::string& inside = "") {
  return "<EVENT eventid=\"" + std::to_string(id) + "\" number=\"" + std::to_string(number) + "\" " + attrs +
         "><SWIMSTYLE " + style + "/>" + inside + "</EVENT>";
}

inline std::string AgeGroup(int id, int min, int max, const std::string& attrs = "") {
  return "<AGEGROUP agegroupid=\"" + std::to_string(id) + "\" agemin=\"" + std::to_string(min) + "\" agemax=\"" +
         std::to_string(max) + "\" " + attrs + "/>";
}

}  // namespace browse_test
