#pragma once

#include <QImage>
#include <QString>
#include <functional>

struct GifFileType;

// An animated GIF written frame by frame with giflib. Frames are 8-bit
// pictures (QImage::Format_Indexed8) of one size; the first frame's colour
// table is the file's, and a frame with another table carries its own. A frame
// equal to the one before only lengthens it; any other is written as the
// rectangle that changed, left over the frame before it. Durations come in
// milliseconds and are rounded to the file's centiseconds along the running
// time, so no drift builds up.
class TGravacaoGif {
public:
    // Takes encoded bytes; returns an empty text when it took them all,
    // otherwise why it could not (the message names that reason).
    using TSaida = std::function<QString(const char *dados, qsizetype tamanho)>;

    // arquivo: the name the messages give. repetir: the animation starts over at its end.
    TGravacaoGif(QString arquivo, TSaida saida, bool repetir);
    ~TGravacaoGif();
    TGravacaoGif(const TGravacaoGif &) = delete;
    TGravacaoGif &operator=(const TGravacaoGif &) = delete;

    // quadro: Format_Indexed8; duracao in ms. Throws TErro ("Não foi possível
    // gravar o arquivo ...") when giflib or the output fails; nothing more is
    // written afterwards.
    void Acrescentar(const QImage &quadro, int duracao);
    // Writes the last frame and closes the file. Throws TErro as Acrescentar.
    void Concluir();
    int Quadros() const { return quadros; } // written so far

    // The frames produzir adds, written into the file through a temporary file
    // that replaces it once complete: a failure leaves the file as it was.
    // Returns the frames written.
    static int GravarArquivo(const QString &arquivo, bool repetir,
                             const std::function<void(TGravacaoGif &gif)> &produzir);

private:
    // giflib's output: gathers the bytes and hands them over in blocks.
    static int escrever(GifFileType *gif, const unsigned char *dados, int tamanho);
    bool esvaziar(qsizetype bloco); // false when the output refused them
    void abrir(const QImage &quadro);
    void gravarPendente();
    void gravarQuadro(const QImage &quadro, QRect retangulo, int atraso);
    [[noreturn]] void falhar(int codigo);
    void verificar(int resultado);

    QString arquivo;
    TSaida saida;
    bool repetir;
    GifFileType *gif = nullptr;
    QByteArray bufferSaida;
    QString motivoDaSaida; // the first reason the output gave
    QList<QRgb> tabelaGlobal;
    bool falhou = false;
    QImage anterior;       // the frame last written, as a viewer shows it
    QImage pendente;       // the frame waiting for its end
    qint64 inicioPendente = 0; // ms
    qint64 fimPendente = 0;
    int quadros = 0;
};
