#pragma once
// What the graph draws on its image, as primitives a window paints in order:
// the frame tracks with their titles, the stop and methionine markers, and the
// dotted square of a click. Coordinates are image pixels from the top-left
// corner; pixel coordinates taken from fractions of the track are computed in
// single precision and truncated toward zero.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "graph/GraphState.h"

namespace bxl::graph {

struct Rgb {
  std::uint8_t red = 0, green = 0, blue = 0;
  bool operator==(const Rgb&) const = default;
};
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kBlue{0, 0, 255};
inline constexpr Rgb kAqua{0, 255, 255};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kGreen{0, 128, 0};

enum class PenStyle { Solid, Dotted };

// A rectangle as the platform draws one: outlined in the pen and, unless the
// brush is clear, filled with the brush. Corners are ordered (left <= right,
// top <= bottom); the right and bottom ones lie just outside, so a tick from
// x 387 to 388 is one pixel wide.
struct Rectangle {
  int left = 0, top = 0, right = 0, bottom = 0;
  Rgb pen;
  int penWidth = 1;
  PenStyle penStyle = PenStyle::Solid;
  std::optional<Rgb> brush;  // none: clear
  bool operator==(const Rectangle&) const = default;
};

// The font of the image canvas, which the graph never changes.
struct Font {
  std::string_view family;
  int pixelSize = 0;
  bool operator==(const Font&) const = default;
};
inline constexpr Font kImageFont{"Tahoma", 11};

// Text written opaque: its box is filled with the background, the brush of the moment.
struct Text {
  int left = 0, top = 0;
  std::string text;
  Rgb color = kBlack;
  Rgb background = kWhite;
  Font font = kImageFont;
  bool operator==(const Text&) const = default;
};

using Primitive = std::variant<Rectangle, Text>;

// Where the graph draws, primitive after primitive: a window's image, or a
// recording. Markers of a whole genome go straight through, so nothing holds
// hundreds of thousands of them at once.
class Canvas {
 public:
  virtual ~Canvas() = default;
  virtual void draw(const Rectangle& rectangle) = 0;
  virtual void draw(const Text& text) = 0;

  // The pen width drawing leaves on the canvas: the frame 1 track is outlined
  // with whatever width was left (1 on a new image and after a click, 2 after
  // earlier drawing).
  int penWidth = 1;
};

// A canvas that keeps what is drawn on it, in order.
class Recording final : public Canvas {
 public:
  void draw(const Rectangle& rectangle) override { primitives.emplace_back(rectangle); }
  void draw(const Text& text) override { primitives.emplace_back(text); }
  std::vector<Primitive> primitives;
};

inline constexpr int kImageWidth = 1001;
inline constexpr int kImageHeight = 490;

// Titles of the tracks; None draws no title.
enum class TitleLanguage { English, Spanish, None };
TitleLanguage titleLanguageOf(std::string_view labelIdioma);  // "En", "Es", anything else

// Track geometry of frame 1, 2 or 3.
struct TrackGeometry {
  int top, bottom;  // the track spans x 75 to 700
  int titleTop;     // the title stands at x 10
  // Markers: a down tick runs from the track's top to downEnd, an up tick from
  // the track's bottom to upEnd; labels (and methionine boxes) start at
  // downLabelTop / upLabelTop and boxes end at downBoxBottom / upBoxBottom.
  int downEnd, downLabelTop, downBoxBottom;
  int upEnd, upLabelTop, upBoxBottom;
};
const TrackGeometry& trackGeometry(int frame);
inline constexpr int kTrackLeft = 75;
inline constexpr int kTrackRight = 700;
inline constexpr int kTrackLength = kTrackRight - kTrackLeft;

// The image cleared to white and, when the main window's frame selection asks
// for them, the three tracks with their titles.
void drawTracks(Canvas& canvas, bool allFrames, TitleLanguage titles, int imageWidth = kImageWidth,
                int imageHeight = kImageHeight);

// What a marker command marks: the character it looks for and how it draws.
struct MarkerKind {
  char target;            // "*" for stops, "M" for methionines
  Rgb color;              // of the tick, and of the text box characters
  bool boxed;             // methionine labels stand in a white box
};
inline constexpr MarkerKind kStopMarker{'*', kRed, false};
inline constexpr MarkerKind kMetMarker{'M', kGreen, true};

// The marker mode of the state: stops, else methionines, else none.
std::optional<MarkerKind> markerMode(const GraphState& state);
void setMarkerMode(GraphState& state, const MarkerKind& kind);

// One marker per amino acid of `text` that is the kind's target (in the
// three-letter code the first letter of each name counts), in order,
// alternating down and up from a down one. A marker at position p of a text of
// L characters stands at x = p * (625 / L) right of the track's start. The
// label is the amino acid's number in its frame.
void drawMarkers(Canvas& canvas, int frame, std::string_view text, const MarkerKind& kind, LetterCode code);

// The markers of one frame in the state's marker mode (the hidden Button1 to Button3).
void drawFrameMarkers(Canvas& canvas, const GraphState& state, int frame);

// Which frame's zone a press at image (x, y) falls in, or 0. Zones include their
// borders and are live whether or not the tracks are drawn.
int frameAt(int x, int y);

// The dotted square around a press, 30 pixels each way; it leaves the pen 1 wide.
void drawClickSquare(Canvas& canvas, int x, int y);

}  // namespace bxl::graph
