#include "output/UGravacaoGif.h"

#include <QFile>
#include <QScopeGuard>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <unistd.h>
#include <vector>

#include <gif_lib.h>

#include "panel/UArquivoDisco.h"
#include "panel/UErro.h"

using namespace Qt::StringLiterals;

namespace {
constexpr int maiorAtraso = 65535;    // centiseconds a frame can hold
constexpr qsizetype blocoSaida = 1 << 16; // bytes gathered before the output gets them

using TMapa = std::unique_ptr<ColorMapObject, decltype(&GifFreeMapObject)>;

TMapa mapaDeCores(const QList<QRgb> &tabela)
{
    const int bits = GifBitSize(std::max(2, int(tabela.size())));
    std::vector<GifColorType> cores(size_t(1) << bits, GifColorType{0, 0, 0});
    for (qsizetype i = 0; i < tabela.size(); ++i)
        cores[size_t(i)] = GifColorType{GifByteType(qRed(tabela[i])), GifByteType(qGreen(tabela[i])),
                                        GifByteType(qBlue(tabela[i]))};
    return TMapa(GifMakeMapObject(int(cores.size()), cores.data()), &GifFreeMapObject);
}

// The smallest rectangle outside which the frames are equal; null when they are equal.
QRect mudanca(const QImage &a, const QImage &b)
{
    if (a.size() != b.size() || a.colorTable() != b.colorTable())
        return b.rect();
    const int largura = a.width();
    int topo = -1;
    int base = -1;
    int esquerda = largura;
    int direita = -1;
    for (int y = 0; y < a.height(); ++y) {
        const uchar *la = a.constScanLine(y);
        const uchar *lb = b.constScanLine(y);
        if (std::memcmp(la, lb, size_t(largura)) == 0)
            continue;
        if (topo < 0)
            topo = y;
        base = y;
        int x0 = 0;
        while (la[x0] == lb[x0])
            ++x0;
        int x1 = largura - 1;
        while (la[x1] == lb[x1])
            --x1;
        esquerda = std::min(esquerda, x0);
        direita = std::max(direita, x1);
    }
    return topo < 0 ? QRect() : QRect(QPoint(esquerda, topo), QPoint(direita, base));
}

QString motivoDoCodigo(int codigo)
{
    switch (codigo) {
    case E_GIF_ERR_WRITE_FAILED: return u"a gravação dos dados falhou"_s;
    case E_GIF_ERR_NOT_ENOUGH_MEM: return u"memória insuficiente"_s;
    case E_GIF_ERR_DATA_TOO_BIG: return u"mais dados do que a imagem comporta"_s;
    case E_GIF_ERR_NO_COLOR_MAP: return u"imagem sem tabela de cores"_s;
    default: return u"erro %1 (%2)"_s.arg(codigo).arg(QString::fromLatin1(GifErrorString(codigo)));
    }
}

qint64 centesimos(qint64 ms)
{
    return (ms + 5) / 10;
}
}

TGravacaoGif::TGravacaoGif(QString arquivo, TSaida saida, bool repetir)
    : arquivo(std::move(arquivo)), saida(std::move(saida)), repetir(repetir)
{
}

TGravacaoGif::~TGravacaoGif()
{
    if (gif) {
        int erro = 0;
        EGifCloseFile(gif, &erro);
    }
}

int TGravacaoGif::escrever(GifFileType *gif, const unsigned char *dados, int tamanho)
{
    auto *eu = static_cast<TGravacaoGif *>(gif->UserData);
    if (eu->falhou || !eu->motivoDaSaida.isEmpty())
        return 0; // after a failure the output is not asked again
    eu->bufferSaida.append(reinterpret_cast<const char *>(dados), tamanho);
    if (eu->bufferSaida.size() >= blocoSaida && !eu->esvaziar(blocoSaida))
        return 0; // giflib reports it as a failed write
    return tamanho;
}

// Hands over the gathered bytes in blocks of the size given, the rest waiting for more.
bool TGravacaoGif::esvaziar(qsizetype bloco)
{
    qsizetype entregue = 0;
    QString motivo;
    while (motivo.isEmpty() && bloco > 0 && bufferSaida.size() - entregue >= bloco) {
        motivo = saida(bufferSaida.constData() + entregue, bloco);
        entregue += bloco;
    }
    bufferSaida.remove(0, entregue);
    if (!motivo.isEmpty() && motivoDaSaida.isEmpty())
        motivoDaSaida = motivo;
    return motivo.isEmpty();
}

void TGravacaoGif::falhar(int codigo)
{
    falhou = true;
    const QString motivo = !motivoDaSaida.isEmpty() ? motivoDaSaida
                                                     : u"erro da biblioteca GIF: "_s + motivoDoCodigo(codigo);
    throw TErro(TArquivoDisco::MensagemNaoGravou(arquivo, motivo));
}

void TGravacaoGif::verificar(int resultado)
{
    if (resultado == GIF_ERROR)
        falhar(gif->Error);
}

void TGravacaoGif::abrir(const QImage &quadro)
{
    int erro = 0;
    gif = EGifOpen(this, &TGravacaoGif::escrever, &erro);
    if (!gif)
        falhar(erro);
    EGifSetGifVersion(gif, true);
    const TMapa mapa = mapaDeCores(quadro.colorTable());
    if (!mapa)
        falhar(E_GIF_ERR_NOT_ENOUGH_MEM);
    verificar(EGifPutScreenDesc(gif, quadro.width(), quadro.height(), 8, 0, mapa.get()));
    if (repetir) {
        // The application block browsers read: loop count 0, for ever.
        static const GifByteType aplicacao[] = "NETSCAPE2.0";
        static const GifByteType laco[] = {1, 0, 0};
        verificar(EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE));
        verificar(EGifPutExtensionBlock(gif, 11, aplicacao));
        verificar(EGifPutExtensionBlock(gif, 3, laco));
        verificar(EGifPutExtensionTrailer(gif));
    }
}

void TGravacaoGif::gravarQuadro(const QImage &quadro, QRect r, int atraso)
{
    GraphicsControlBlock controle{DISPOSE_DO_NOT, false, atraso, NO_TRANSPARENT_COLOR};
    GifByteType extensao[4];
    verificar(EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, int(EGifGCBToExtension(&controle, extensao)), extensao));
    TMapa local(nullptr, &GifFreeMapObject);
    if (quadro.colorTable() != tabelaGlobal) {
        local = mapaDeCores(quadro.colorTable());
        if (!local)
            falhar(E_GIF_ERR_NOT_ENOUGH_MEM);
    }
    verificar(EGifPutImageDesc(gif, r.left(), r.top(), r.width(), r.height(), false, local.get()));
    // giflib masks the line in place: it gets a copy.
    std::vector<GifPixelType> linha(size_t(r.width()));
    for (int y = r.top(); y <= r.bottom(); ++y) {
        std::memcpy(linha.data(), quadro.constScanLine(y) + r.left(), linha.size());
        verificar(EGifPutLine(gif, linha.data(), r.width()));
    }
    ++quadros;
}

void TGravacaoGif::gravarPendente()
{
    if (pendente.isNull())
        return;
    if (!gif) {
        abrir(pendente);
        tabelaGlobal = pendente.colorTable();
    }
    QRect r = anterior.isNull() ? pendente.rect() : mudanca(anterior, pendente);
    if (r.isNull())
        r = QRect(0, 0, 1, 1);
    qint64 atraso = centesimos(fimPendente) - centesimos(inicioPendente);
    gravarQuadro(pendente, r, int(std::min<qint64>(atraso, maiorAtraso)));
    // Longer than a frame can hold: one pixel drawn again holds the rest.
    for (atraso -= maiorAtraso; atraso > 0; atraso -= maiorAtraso)
        gravarQuadro(pendente, QRect(0, 0, 1, 1), int(std::min<qint64>(atraso, maiorAtraso)));
    anterior = pendente;
    pendente = QImage();
}

void TGravacaoGif::Acrescentar(const QImage &quadro, int duracao)
{
    if (falhou)
        return;
    if (!pendente.isNull() && mudanca(pendente, quadro).isNull()) {
        fimPendente += duracao;
        return;
    }
    gravarPendente();
    pendente = quadro.format() == QImage::Format_Indexed8 ? quadro : quadro.convertToFormat(QImage::Format_Indexed8);
    inicioPendente = fimPendente;
    fimPendente = inicioPendente + duracao;
}

void TGravacaoGif::Concluir()
{
    if (falhou)
        return;
    if (pendente.isNull() && !gif)
        throw TErro(TArquivoDisco::MensagemNaoGravou(arquivo, u"a animação não tem quadros"_s));
    gravarPendente();
    int erro = 0;
    const int resultado = EGifCloseFile(gif, &erro);
    gif = nullptr;
    if (resultado == GIF_ERROR)
        falhar(erro);
    if (!esvaziar(bufferSaida.size()))
        falhar(E_GIF_ERR_WRITE_FAILED);
}

int TGravacaoGif::GravarArquivo(const QString &arquivo, bool repetir,
                                const std::function<void(TGravacaoGif &gif)> &produzir)
{
    int quadros = 0;
    TArquivoDisco::SubstituirAtomico(arquivo, [&](const QString &temporario) {
        int fd = ::open(QFile::encodeName(temporario).constData(), O_WRONLY | O_TRUNC | O_CLOEXEC);
        const auto falhaDoSistema = [&] {
            return TErro(TArquivoDisco::MensagemNaoGravou(arquivo, TArquivoDisco::Motivo(errno)));
        };
        if (fd < 0)
            throw falhaDoSistema();
        const auto fechar = qScopeGuard([&] {
            if (fd >= 0)
                ::close(fd);
        });
        TGravacaoGif gif(arquivo, [fd](const char *dados, qsizetype tamanho) {
            while (tamanho > 0) {
                const ssize_t escritos = ::write(fd, dados, size_t(tamanho));
                if (escritos < 0) {
                    if (errno == EINTR)
                        continue;
                    return TArquivoDisco::Motivo(errno);
                }
                dados += escritos;
                tamanho -= escritos;
            }
            return QString();
        }, repetir);
        produzir(gif);
        gif.Concluir();
        quadros = gif.Quadros();
        if (::fsync(fd) != 0)
            throw falhaDoSistema();
        const int resultado = ::close(fd);
        fd = -1;
        if (resultado != 0)
            throw falhaDoSistema();
    });
    return quadros;
}
