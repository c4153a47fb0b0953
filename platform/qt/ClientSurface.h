#pragma once
// What a client DC draws outside OnPaint is kept on a transparent layer widget over the
// window, because Qt lets nobody paint on a widget outside its paint event. Two layers:
// - Drawing: ordinary drawing, stacked below the window's children (as with clip-children
//   windows) and forgotten where the window paints itself afresh, except for drawing not
//   shown yet (showing it repaints the window below it, which must not wipe it out);
// - Xor: exclusive-or marks (inverted track lines), stacked above everything and combined
//   with the pixels below when shown, so that drawing a mark twice removes it.
// A layer follows the window's size; a resize forgets its content, as the window is
// repainted whole then.
#include <QImage>
#include <QRegion>
#include <QWidget>

#include <memory>

class ClientSurface : public QWidget {
    Q_OBJECT
public:
    enum class Layer { Drawing, Xor };

    // The layer over `target`; created on demand, else nullptr when there is none.
    static ClientSurface* Of(QWidget* target, Layer layer, bool create);
    // Forgets the ordinary drawing in `area` (target coordinates) of `target` and of every
    // window inside it; drawing not shown yet stays, unless `unshownOfTarget` and it is the
    // target's own.
    static void DiscardDrawing(QWidget* target, const QRect& area, bool unshownOfTarget = false);

    // The picture of the layer, the size of the target; shared so that a DC still painting on
    // it is safe if the window goes away meanwhile.
    std::shared_ptr<QImage> Image() const { return m_image; }
    // The area (target coordinates) has new content: show it.
    void Changed(const QRect& area);
    // New content drawn while the area is being painted anyway: it shows in this pass.
    void ChangedWhilePainting();

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ClientSurface(QWidget* target, Layer layer);
    void Reset();
    void Restack();
    void Clear(const QRect& area, bool unshownToo);

    Layer m_layer;
    std::shared_ptr<QImage> m_image;
    QRegion m_fresh;  // drawn, not shown yet
};
