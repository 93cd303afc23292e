#ifndef KORVANE_CABRILLO_CABRILLO_FORM_H
#define KORVANE_CABRILLO_CABRILLO_FORM_H

// The Cabrillo header form: the boxes it shows, the window behind it, and the logic around it
// (INI keys read before and written after, soapbox escaping, the file name).

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "cabrillo/cabrillo_data.h"
#include "platform/platform.h"

namespace korvane {

// The texts of the form's boxes.
struct CabrilloFormFields {
  std::string callsign;
  std::string claimed;
  std::string club;
  std::string categoryOperator;
  std::string contest;
  std::string email;
  std::string name;
  std::string operators;
  std::string soapbox;  // a line break is CR LF, as the multi-line box delivers it
  std::string address;
  std::string categoryBand;
  std::string categoryMode;
  std::string categoryTime;
  std::string categoryTransmitter;
  std::string categoryOverlay;
  std::string addressCity;
  std::string addressPostalCode;
  std::string addressCountry;
};

// One box of the form, in binding order.
struct CabrilloBox {
  int controlId;
  const char* fieldName;  // as in KORVANE_FORM_<fieldName>
  std::string CabrilloFormFields::*field;
  std::vector<std::string> items;  // a combo box's list; empty for an edit box
};
const std::vector<CabrilloBox>& CabrilloBoxes();

// What a combo box shows when it opens with `text`: the first list item that begins with it
// (ignoring letter case), else the text itself; an empty text selects nothing.
std::string ComboOpeningText(const std::vector<std::string>& items, const std::string& text);

class CabrilloForm {
 public:
  virtual ~CabrilloForm() = default;
  // Runs the form modally with the fields' texts; the boxes' texts when the user confirmed with
  // OK, nothing when the form was cancelled or closed.
  virtual std::optional<CabrilloFormFields> Run(const CabrilloFormFields& fields) = 0;
};

// The form without a window: confirms at once with the texts the boxes open with, except that a
// set variable KORVANE_FORM_<FIELD> gives its box that text as if typed. KORVANE_FORM_CANCEL=1
// cancels instead.
class HeadlessCabrilloForm : public CabrilloForm {
 public:
  using Lookup = std::function<const char*(const char* name)>;
  explicit HeadlessCabrilloForm(Lookup lookup = nullptr);
  std::optional<CabrilloFormFields> Run(const CabrilloFormFields& fields) override;

 private:
  Lookup lookup_;
};

// Fills the record from the own call sign and the INI file, runs the form, and on OK takes its
// fields, saves them and prepares the soapbox for the file. 1 when confirmed, 0 when cancelled
// (the record then keeps what it was filled with, and nothing is written).
int OpenCabrilloForm(CCabrilloData& data, const std::string& ownCall, Settings& settings,
                     CabrilloForm& form);

}  // namespace korvane

#endif  // KORVANE_CABRILLO_CABRILLO_FORM_H
