#pragma once
// Paints the calculator window's resistor: the background picture, the body and the colour
// legends of the layout, and the six bands as gradients or plain colours; builds the small
// resistor image that is copied, saved and printed. Everything is drawn off screen into images
// that the window copies in one operation. BandGeometry.h holds the places, SliderLook.h the
// sliders' see-through look.

#include "colorohm/model/ColourCode.h"
#include "colorohm/render/BandGeometry.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QSize>

#include <map>
#include <string>

namespace colorohm {

// The bitmaps the drawing uses, by resource id; the program loads them from its resources.
struct RenderAssets {
  std::map<int, QImage> bitmaps;

  // A null image when the id is missing.
  QImage Bitmap(int id) const;
};

// What one paint depends on besides the bitmaps.
struct ResistorScene {
  Layout layout = Layout::Lying;
  BandSet bands;
  bool gradient = true;         // "Utiliser dégradé"
  std::string imageFond;        // "Image fond", Windows-1252: "" none, "Défaut" bitmap 199, else a file
};

// The picture named by "Image fond"; a null image for none or for a file that cannot be read.
QImage BackgroundPicture(const std::string& imageFond, const RenderAssets& assets);

// The paint colour of band 1..6 at its position in bands.
Rgb BandPaint(const BandSet& bands, int band);

// The whole client area: button face, background picture, body, legends and bands.
QImage PaintResistor(const ResistorScene& scene, const RenderAssets& assets, QSize clientSize,
                     QColor buttonFace);

// One band, on any surface (the window's buffer, or the window itself when a slider moves);
// a band the band count does not use is not drawn.
void DrawBand(QPainter& painter, const ResistorScene& scene, int band);

// The bitmap at its natural size with its top-left corner at point; its pixels of exactly the key
// colour leave the surface unchanged.
void DrawTransparentBitmap(QPainter& painter, QPoint point, const QImage& bitmap, Rgb key);

// The small resistor (80 × 34 lying, 34 × 80 upright) with its bands in plain colours.
QImage BuildExportImage(Layout layout, const BandSet& bands, const RenderAssets& assets);

}  // namespace colorohm
