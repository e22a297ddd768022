#include "apps/vovuv/main.h"

const platform::TBitmap* TForm1::TicketPicture(const std::string& numbersText) const {
    // The shared windows see the main window read-only; drawing a ticket changes only the
    // picture the main window shows, which the export is meant to leave on the last ticket.
    const_cast<TForm1*>(this)->DrawBoard(numbersText);
    return BoardBitmap.get();
}
