#include <QScopeGuard>
#include <algorithm>

#include "panel/UPainelLed.h"
#include "panel/USom.h"
#include "panel/UWindows1252.h"

using namespace Qt::StringLiterals;

// The typed-text model: the character list kept in text order with Indice in
// step, and the glyphs laid onto the cells. The cells stay the truth for what
// is lit; a record remembers which glyph produced which box of cells.

namespace {
// The rows of a record lie inside rows primeira..ultima, or cover them entirely.
bool nasLinhas(const TCfgChar &c, int primeira, int ultima)
{
    return (c.Linha >= primeira && c.LinhaFinal() <= ultima) || (c.Linha <= primeira && c.LinhaFinal() >= ultima);
}

bool entre(int valor, int primeira, int ultima)
{
    return primeira <= valor && valor <= ultima;
}
}

TCfgChar &TPainelLed::RegistrarCaractere(int linha, int coluna, int largura, int altura, TTipoFonte fonte,
                                         unsigned char caractere, bool relogio)
{
    TCfgChar *registro = nullptr;
    for (const auto &c : texto)
        if (c->Linha == linha && c->Coluna == coluna) {
            registro = c.get();
            break;
        }
    if (!registro) {
        texto.push_back(std::make_unique<TCfgChar>());
        registro = texto.back().get();
        registro->Indice = int(texto.size());
        registro->Linha = linha;
        registro->Coluna = coluna;
    }
    registro->Largura = largura;
    registro->Altura = altura;
    registro->Fonte = fonte;
    registro->Caractere = caractere;
    registro->Relogio = relogio;
    atualizarIndiceNoCursor();
    return *registro;
}

int TPainelLed::assentarGlifo(int linha, int coluna, const QByteArray &glifo, int altura)
{
    // Column by column, each from the top row down; a column ending in "2" is
    // overlaid by the next one. Returns the panel columns advanced.
    if (altura <= 0)
        return 0;
    int i = 1;
    int x = coluna;
    for (char g : glifo) {
        Led(linha + i - 1, x, true)->DefinirAcesa(g == '1');
        if (++i > altura) {
            i = 1;
            if (g != '2')
                ++x;
        }
    }
    return x - coluna;
}

bool TPainelLed::cabeNaLinha(int k) const
{
    const TCfgChar *ultimo = UltimoCaractereDaLinha();
    const int inicio = ultimo ? ultimo->ColunaFinal() : colunaCursor;
    return inicio + k <= nroColunas;
}

void TPainelLed::LinhaNaoCabe()
{
    TSom::Bipe();
}

QString TPainelLed::NomeDoPainel() const
{
    return Nome.isEmpty() ? u"painel"_s : u"painel "_s + Nome;
}

QString TPainelLed::MotivoNaoCabe() const
{
    return u"O texto não cabe no %1: ligue a rolagem ou escolha uma fonte menor"_s.arg(NomeDoPainel());
}

void TPainelLed::recusar(const QString &motivo)
{
    if (AoRecusar)
        AoRecusar(this, motivo);
}

void TPainelLed::DigitarCaractere(unsigned char caractere, bool relogio)
{
    if (!CapturaComFoco())
        return;
    QByteArray glifo;
    if (!LerGlifo(fonteUtilizada, caractere, glifo)) {
        TSom::Bipe();
        recusar(u"A fonte %1 não tem o caractere %2"_s.arg(NomeDaFonte(fonteUtilizada),
                                                                    TWindows1252::ParaTexto(caractere)));
        return;
    }
    const int inicio = colunaCursor;
    const int linha = linhaCursor;
    const TTipoFonte fonte = fonteUtilizada;
    const int altura = AlturaDaFonte(fonte);
    const int k = UltimaColunaDoGlifo(fonte, glifo, altura);
    if (rolagem == TRolagem::tsNenhum && !cabeNaLinha(k)) {
        recusar(MotivoNaoCabe());
        LinhaNaoCabe();
        return;
    }
    int largura = 0;
    const auto registrar = qScopeGuard(
        [&] { RegistrarCaractere(linha, inicio, largura, altura, fonte, caractere, relogio); });
    if (AbrirEspaco(colunaCursor, linhaCursor, k, altura))
        RedesenharTexto();
    largura = assentarGlifo(linhaCursor, colunaCursor, glifo, altura);
    colunaCursor += largura;
    AcompanharCursor(largura);
}

void TPainelLed::DigitarTexto(const QString &texto)
{
    for (QChar c : texto) {
        if (c.category() == QChar::Other_Control)
            continue;
        if (const auto byte = TWindows1252::ParaByte(c)) {
            DigitarCaractere(*byte, false);
        } else if (CapturaComFoco()) {
            TSom::Bipe();
            recusar(u"O caractere %1 não pode ser mostrado nos painéis"_s.arg(c));
        }
    }
}

bool TPainelLed::AbrirEspaco(int coluna, int linha, int k, int altura)
{
    const TCfgChar *alvo = caractereSob(linha, coluna, false);
    if (!alvo)
        return false;
    const size_t j = size_t(alvo->Indice - 1);
    const int ultimaLinha = linha + altura - 1;
    for (size_t p = j; p < texto.size(); ++p) {
        TCfgChar &c = *texto[p];
        ApagarCaractere(c);
        ++c.Indice;
        if (nasLinhas(c, linha, ultimaLinha))
            c.Coluna += k + 1;
    }
    auto novo = std::make_unique<TCfgChar>();
    novo->Indice = int(j) + 1;
    novo->Linha = linha;
    novo->Coluna = coluna;
    texto.insert(texto.begin() + std::ptrdiff_t(j), std::move(novo));
    return true;
}

void TPainelLed::ApagarCaractere(const TCfgChar &registro)
{
    for (int coluna = registro.Coluna; coluna < registro.ColunaFinal(); ++coluna)
        for (int linha = registro.Linha; linha <= registro.LinhaFinal(); ++linha)
            Led(linha, coluna, true)->DefinirAcesa(false);
}

bool TPainelLed::RemoverCaractere(const TCfgChar *registro)
{
    const auto achado = std::find_if(texto.begin(), texto.end(), [registro](const auto &c) { return c.get() == registro; });
    if (achado == texto.end())
        return false;
    const int largura = registro->Largura;
    const int topo = registro->Linha;
    const int base = registro->LinhaFinal();
    ApagarCaractere(*registro);
    for (auto p = achado + 1; p != texto.end(); ++p) {
        TCfgChar &c = **p;
        ApagarCaractere(c);
        --c.Indice;
        if (entre(c.Linha, topo, base) || entre(c.LinhaFinal(), topo, base))
            c.Coluna -= largura;
    }
    texto.erase(achado);
    return true;
}

void TPainelLed::RedesenharTexto()
{
    // Each glyph is looked up once per redraw: a line repeats few characters.
    QHash<quint16, QByteArray> lidos;
    for (const auto &c : texto) {
        const quint16 chave = quint16(quint16(c->Fonte) << 8 | c->Caractere);
        auto glifo = lidos.constFind(chave);
        if (glifo == lidos.constEnd()) {
            QByteArray lido;
            if (!LerGlifo(c->Fonte, c->Caractere, lido))
                lido.clear();
            glifo = lidos.insert(chave, lido);
        }
        if (!glifo->isEmpty())
            assentarGlifo(c->Linha, c->Coluna, *glifo, AlturaDaFonte(c->Fonte));
    }
}
