#include "cabrillo/cabrillo_form.h"

#include <cstdlib>
#include <utility>

#include "engine/info.h"

namespace korvane {

const std::vector<CabrilloBox>& CabrilloBoxes() {
  using F = CabrilloFormFields;
  static const std::vector<CabrilloBox> kBoxes = {
      {1010, "CALLSIGN", &F::callsign, {}},
      {1008, "CLAIMED", &F::claimed, {}},
      {1005, "CLUB", &F::club, {}},
      {1012, "CATEGORY_OPERATOR", &F::categoryOperator, {"SINGLE-OP", "MULTI-OP", "CHECKLOG"}},
      {1009, "CONTEST", &F::contest, {}},
      {1004, "EMAIL", &F::email, {}},
      {1007, "NAME", &F::name, {}},
      {1006, "OPERATORS", &F::operators, {}},
      {1001, "SOAPBOX", &F::soapbox, {}},
      {1002, "ADDRESS", &F::address, {}},
      {1013, "CATEGORY_BAND", &F::categoryBand, {"ALL", "80M", "40M", "20M", "15M", "10M"}},
      {1017, "CATEGORY_MODE", &F::categoryMode, {}},
      {1018, "CATEGORY_TIME", &F::categoryTime, {"6-HOURS"}},
      {1019, "CATEGORY_TRANSMITTER", &F::categoryTransmitter, {"ONE", "TWO", "UNLIMITED"}},
      {1020, "CATEGORY_OVERLAY", &F::categoryOverlay, {"WIRES"}},
      {1003, "ADDRESS_CITY", &F::addressCity, {}},
      {1021, "ADDRESS_POSTALCODE", &F::addressPostalCode, {}},
      {1014, "ADDRESS_COUNTRY", &F::addressCountry, {}},
  };
  return kBoxes;
}

std::string ComboOpeningText(const std::vector<std::string>& items, const std::string& text) {
  if (text.empty()) return text;
  for (const std::string& item : items) {
    if (item.size() >= text.size() && EqualsIgnoringCase(item.substr(0, text.size()), text)) {
      return item;
    }
  }
  return text;
}

HeadlessCabrilloForm::HeadlessCabrilloForm(Lookup lookup) : lookup_(std::move(lookup)) {
  if (!lookup_) lookup_ = [](const char* name) -> const char* { return std::getenv(name); };
}

std::optional<CabrilloFormFields> HeadlessCabrilloForm::Run(const CabrilloFormFields& fields) {
  const char* cancel = lookup_("KORVANE_FORM_CANCEL");
  if (cancel != nullptr && std::string(cancel) == "1") return std::nullopt;
  CabrilloFormFields shown = fields;
  for (const CabrilloBox& box : CabrilloBoxes()) {
    const std::string name = std::string("KORVANE_FORM_") + box.fieldName;
    if (const char* typed = lookup_(name.c_str())) {
      shown.*box.field = typed;
    } else if (!box.items.empty()) {
      shown.*box.field = ComboOpeningText(box.items, fields.*box.field);
    }
  }
  return shown;
}

namespace {

CabrilloFormFields FieldsOf(const CCabrilloData& data) {
  CabrilloFormFields f;
  f.callsign = data.m_callsign;
  f.claimed = data.m_claimed;
  f.club = data.m_club;
  f.categoryOperator = data.m_categoryOperator;
  f.contest = data.m_contest;
  f.email = data.m_email;
  f.name = data.m_name;
  f.operators = data.m_operators;
  f.soapbox = data.m_soapbox;
  f.address = data.m_address;
  f.categoryBand = data.m_categoryBand;
  f.categoryMode = data.m_categoryMode;
  f.categoryTime = data.m_categoryTime;
  f.categoryTransmitter = data.m_categoryTransmitter;
  f.categoryOverlay = data.m_categoryOverlay;
  f.addressCity = data.m_addressCity;
  f.addressPostalCode = data.m_addressPostalCode;
  f.addressCountry = data.m_addressCountry;
  return f;
}

// The CLAIMED box only shows the stored score: its edits are dropped. Every header value but the
// soapbox is one line of the INI file and of the Cabrillo header, so line breaks typed into the
// address boxes (which accept Enter) become blanks.
void TakeConfirmed(const CabrilloFormFields& f, CCabrilloData& data) {
  data.m_callsign = OnOneLine(f.callsign);
  data.m_club = OnOneLine(f.club);
  data.m_categoryOperator = OnOneLine(f.categoryOperator);
  data.m_contest = OnOneLine(f.contest);
  data.m_email = OnOneLine(f.email);
  data.m_name = OnOneLine(f.name);
  data.m_operators = OnOneLine(f.operators);
  data.m_soapbox = f.soapbox;
  data.m_address = OnOneLine(f.address);
  data.m_categoryBand = OnOneLine(f.categoryBand);
  data.m_categoryMode = OnOneLine(f.categoryMode);
  data.m_categoryTime = OnOneLine(f.categoryTime);
  data.m_categoryTransmitter = OnOneLine(f.categoryTransmitter);
  data.m_categoryOverlay = OnOneLine(f.categoryOverlay);
  data.m_addressCity = OnOneLine(f.addressCity);
  data.m_addressPostalCode = OnOneLine(f.addressPostalCode);
  data.m_addressCountry = OnOneLine(f.addressCountry);
}

}  // namespace

int OpenCabrilloForm(CCabrilloData& data, const std::string& ownCall, Settings& settings,
                     CabrilloForm& form) {
  data.m_callsign = ownCall;
  data.m_fileBaseName = CabrilloFileBaseName(ownCall);
  data.m_operators = settings.Read("Operators", data.m_callsign);
  data.m_name = settings.Read("Name", "");
  data.m_address = settings.Read("Address", "");
  data.m_addressCity = settings.Read("Address-City", "");
  data.m_addressPostalCode = settings.Read("Address-PostalCode", "");
  data.m_addressCountry = settings.Read("Address-Country", "");
  data.m_claimed = settings.Read("Claimed", "");
  data.m_contest = "KORVANE";
  data.m_categoryOperator = "SINGLE-OP";
  data.m_categoryMode = "RTTY";
  data.m_categoryBand = "UNLIMITED";
  data.m_categoryTransmitter = "ONE";
  data.m_email = settings.Read("Email", "");
  data.m_club = settings.Read("Club", "");
  data.m_soapbox = settings.Read("SoapBox", "");
  data.m_soapbox = ReplaceAll(ReplaceAll(data.m_soapbox, "<CR>", "\r"), "<LF>", "\n");

  const std::optional<CabrilloFormFields> confirmed = form.Run(FieldsOf(data));
  if (!confirmed) return 0;
  TakeConfirmed(*confirmed, data);

  data.m_soapbox = ReplaceAll(ReplaceAll(data.m_soapbox, "\r", "<CR>"), "\n", "<LF>");
  settings.Write("Operators", data.m_operators);
  settings.Write("Name", data.m_name);
  settings.Write("Address", data.m_address);
  settings.Write("Address-City", data.m_addressCity);
  settings.Write("Address-PostalCode", data.m_addressPostalCode);
  settings.Write("Address-Country", data.m_addressCountry);
  settings.Write("Category", data.m_categoryOperator);
  settings.Write("Category_Overlay", data.m_categoryOverlay);
  settings.Write("Contest", data.m_contest);
  settings.Write("Email", data.m_email);
  settings.Write("Club", data.m_club);
  settings.Write("SoapBox", data.m_soapbox);

  // Each line of the soapbox becomes a SOAPBOX line of its own; the writer puts the first tag.
  data.m_soapbox = ReplaceAll(ReplaceAll(data.m_soapbox, "<CR>", "\r\nSOAPBOX: "), "<LF>", "");
  data.m_qsoLines.clear();
  return 1;
}

}  // namespace korvane
