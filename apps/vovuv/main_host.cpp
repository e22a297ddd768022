#include "apps/vovuv/main.h"

// The export leaves the main window's picture on the last ticket it drew.
const platform::TBitmap* TForm1::TicketPicture(const std::string& numbersText) {
    DrawBoard(numbersText);
    return BoardBitmap.get();
}
