// TMiniCal painting: the navigation buttons, the title, the today button, weekday names, week
// numbers and the days with their holiday, selection and today marks.
#include <string>

#include "browse/ZEB_MiniCal.h"
#include "browse/minical_texts.h"
#include "framework/graphics/canvas.h"
#include "framework/rtl/numtext.h"
#include "framework/rtl/utf8.h"

namespace zeb {

namespace {

// The button captions of row 0 by column ("" where nothing or a merged cell is drawn).
const char* const kNavigationCaptions[8] = {"", "<<", "<", "", "", "", ">", ">>"};

}  // namespace

void TMiniCal::DrawCentred(const fw::TRect& r, const std::string& text, fw::TColor brush,
                           fw::TColor font) {
  fw::TCanvas* c = Canvas();
  c->Brush()->SetStyle(fw::bsSolid);
  c->Brush()->SetColor(brush);
  c->Font()->SetColor(font);
  const int x = r.Left + (r.Right - r.Left - c->TextWidth(text)) / 2;
  const int y = r.Top + (r.Bottom - r.Top - c->TextHeight(text)) / 2;
  c->TextRect(r, x, y, text);
}

// Light top and left edges, dark bottom and right edges, each two pixels deep.
void TMiniCal::DrawButtonFrame(const fw::TRect& r) {
  if (!Ctl3D()) return;
  fw::TCanvas* c = Canvas();
  fw::TPen* pen = c->Pen();
  pen->SetStyle(fw::psSolid);
  pen->SetMode(fw::pmCopy);
  pen->SetWidth(1);
  const int L = r.Left, T = r.Top, R = r.Right, B = r.Bottom;
  pen->SetColor(fw::clWhite);
  c->MoveTo(L, B - 1);
  c->LineTo(L, T);
  c->LineTo(R, T);
  pen->SetColor(fw::RGB(104, 104, 104));
  c->MoveTo(L, B);
  c->LineTo(R, B);
  c->LineTo(R, T);
  pen->SetColor(fw::RGB(165, 160, 156));
  c->MoveTo(L + 1, B - 1);
  c->LineTo(R - 1, B - 1);
  c->LineTo(R - 1, T);
  pen->SetColor(fw::RGB(226, 226, 230));
  c->MoveTo(L + 1, B - 2);
  c->LineTo(L + 1, T + 1);
  c->LineTo(R - 1, T + 1);
}

void TMiniCal::DrawCell(int ACol, int ARow, const fw::TRect& ARect, fw::TGridDrawState) {
  Canvas()->Font()->SetColor(fw::clBlack);
  if (ARow == 0) {
    DrawNavigationCell(ACol, ARect);
  } else if (ARow == 1) {
    // Column 0 is the today button, drawn by Paint over rows 0 and 1.
    if (ACol > 0)
      DrawCentred(ARect, WeekDayShort(language_, (ACol + firstDayOfWeek_ - 1) % 7), colors_.dayIdBg,
                  colors_.dayIdFg);
  } else if (ACol == 0) {
    DrawWeekNumber(ARow, ARect);
  } else {
    DrawDay(ACol, ARow, ARect);
  }
}

// "<<", "<", ">" and ">>"; the title (columns 3..5) and the today button (column 0) are drawn by
// Paint after the grid lines.
void TMiniCal::DrawNavigationCell(int ACol, const fw::TRect& r) {
  if (ACol < 0 || ACol > 7 || kNavigationCaptions[ACol][0] == '\0') return;
  DrawCentred(r, kNavigationCaptions[ACol], fw::clBtnFace, fw::clBlack);
  DrawButtonFrame(r);
}

std::string TMiniCal::TitleText() const {
  const std::string name =
      showMonthShort_ ? MonthShort(language_, Month()) : MonthLong(language_, Month());
  return fw::Copy(name + " ", 1, showMonthShort_ ? 5 : 11) + fw::IntToStr(Year());
}

// The title cell widened to the left over columns 3 and 4 and their lines.
void TMiniCal::DrawTitle(const fw::TRect& cell) {
  fw::TRect r = cell;
  r.Left = cell.Left - 2 * (cell.Right - cell.Left) - 2;
  DrawCentred(r, TitleText(), fw::clBtnFace, fw::clBlack);
  DrawButtonFrame(r);
}

// The today button's cell reaches up over row 0.
void TMiniCal::DrawTodayButton(const fw::TRect& cell) {
  fw::TRect r = cell;
  r.Top = cell.Top - (RowHeights(0) + 1);
  DrawCentred(r, minical::TodayCaption(language_), fw::clBtnFace, fw::clBlack);
  DrawButtonFrame(r);
}

// The ISO week of the row's first day counted from the first of the month; nothing past
// the last date there is.
void TMiniCal::DrawWeekNumber(int ARow, const fw::TRect& r) {
  const fw::TDateTime day = fw::EncodeDate(Year(), Month(), 1) + 7 * (ARow - 2);
  const int week = fw::WeekOfTheYear(day);
  DrawCentred(r, week > 0 ? fw::IntToStr(week) : std::string(), colors_.weekNoBg, colors_.weekNoFg);
}

void TMiniCal::DrawDay(int ACol, int ARow, const fw::TRect& r) {
  const int y = Year(), m = Month();
  const int n = CellDayNumber(ACol, ARow);
  const int days = fw::DaysInMonth(y, m);
  fw::TColor brush = dayColors_[(ACol + firstDayOfWeek_ - 1) % 7];
  fw::TColor font = colors_.inactiveMonth;
  int shown = n;
  if (n <= 0) {
    // December before January has 31 days.
    shown = n + (m == 1 ? 31 : fw::DaysInMonth(y, m - 1));
  } else if (n > days) {
    shown = n - days;
  } else {
    font = colors_.activeMonth;
    std::string name;
    const bool holiday = indicateHolidays_ && CheckHoliday(y, m, n, name);
    if (holiday) {
      brush = colors_.holidayBg;
      font = colors_.holidayFg;
    }
    if (n == Day()) {
      font = colors_.selectedFg;
      brush = holiday ? MeanColor(colors_.selectedBg, colors_.holidayBg) : colors_.selectedBg;
    }
  }
  DrawCentred(r, fw::IntToStr(shown), brush, font);
  if (!markToday_ || n < 1 || n > days) return;
  int ty = 0, tm = 0, td = 0;
  fw::DecodeDate(fw::Date(), ty, tm, td);
  if (ty != y || tm != m || td != n) return;
  fw::TCanvas* c = Canvas();
  c->Pen()->SetStyle(fw::psSolid);
  c->Pen()->SetColor(colors_.today);
  c->Brush()->SetStyle(fw::bsClear);
  c->Ellipse(r.Left + 2, r.Top + 2, r.Right - 2, r.Bottom - 2);
  c->Brush()->SetStyle(fw::bsSolid);
}

void TMiniCal::Paint() {
  fw::TCustomDrawGrid::Paint();
  // The title and the today button each span several cells: drawn over the lines between them.
  fw::TCanvas* c = Canvas();
  const int b = BorderWidth();
  fw::TCanvasStateSaver saved(*c);
  if (!c->IntersectClipRect(fw::Rect(b, b, Width() - b, Height() - b))) return;
  c->SetFont(Font());
  const fw::TRect title = CellRect(5, 0);
  if (!fw::IsRectEmpty(title)) DrawTitle(title);
  const fw::TRect today = CellRect(0, 1);
  if (!fw::IsRectEmpty(today)) DrawTodayButton(today);
}

}  // namespace zeb
