// Participant-side interfaces as far as the meet side hands them out: clubs, athletes, contacts
// and officials. Their remaining operations follow in slot order after the ones declared here.
#pragma once

#include <memory>
#include <string>

#include "lenex/qb_item_collection.h"

namespace lnx {

class IQbLenexContact {
 public:
  virtual ~IQbLenexContact() = default;
  virtual std::string GetCity() const = 0;
  virtual std::string GetName() const = 0;
};

class IQbLenexClub {
 public:
  virtual ~IQbLenexClub() = default;
  virtual std::string GetCode() const = 0;  // "code", empty when it is "0"
  virtual std::string GetRegion() const = 0;
  virtual std::string GetName() const = 0;
  // Own "nation", else the meet's, else a three-letter code, else a three-letter name; normalised.
  virtual std::string GetNation() const = 0;
  // Nation, region and code, empty parts and repeats of the part before left out, joined by ".".
  virtual std::string GetStatsKey() const = 0;
};

class IQbLenexAthlete {
 public:
  virtual ~IQbLenexAthlete() = default;
  virtual std::string GetFirstName() const = 0;
  virtual int GetGender() const = 0;
  virtual std::string GetLastName() const = 0;
  virtual int GetId() const = 0;
};

class IQbLenexOfficial {
 public:
  virtual ~IQbLenexOfficial() = default;
  virtual std::string GetLastName() const = 0;
};

using IQbLenexClubs = TQbItemCollectionNew<IQbLenexClub>;
using IQbLenexOfficials = TQbItemCollectionNew<IQbLenexOfficial>;

}  // namespace lnx
