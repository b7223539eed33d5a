#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QTextStream>
#include <algorithm>

#include "app/UAnimacaoDestino.h"
#include "app/UImagemDestino.h"
#include "app/UProjetoArquivo.h"
#include "cli/UComandos.h"
#include "cli/USaidaCli.h"
#include "data/UDtmDestino.h"
#include "panel/UDesenhoLeds.h"
#include "panel/UErro.h"
#include "panel/UFontes.h"

using namespace Qt::StringLiterals;

// Draws a destination's signs as they look on the bus: a PNG picture of
// message 1, or a GIF of the simulator's play. --force replaces an existing file.
namespace {
QString segundos(int ms)
{
    return QLocale(QLocale::Portuguese, QLocale::Brazil).toString(ms / 1000.0, 'g', 10) + u" s"_s;
}

// "Gravado "x.gif" (5120 bytes): destino 3, Frontal 13 x 128, Lateral 8 x 80; animação de 1060 x 310
// pixels, 3 quadros, ciclo de 10 s."
QString resumo(const QString &saida, const TImagemDestino &imagem, const QString &detalhe)
{
    QStringList partes{u"%1 %2"_s.arg(imagem.Extra() ? u"extra"_s : u"destino"_s).arg(imagem.Numero())};
    for (const TSinalEquipado &s : imagem.Sinais())
        partes << u"%1 %2 x %3"_s.arg(NomeDoSinal(s.Painel)).arg(s.Linhas).arg(s.Colunas);
    return u"Gravado \"%1\" (%2): %3; %4."_s.arg(QDir::toNativeSeparators(saida),
                                                Quantidade(QFileInfo(saida).size(), u"byte"_s, u"bytes"_s),
                                                partes.join(u", "_s), detalhe);
}

int lerEscala(QStringList &argumentos)
{
    const qsizetype i = argumentos.indexOf(u"--scale"_s);
    if (i < 0)
        return TOpcoesImagem().Escala;
    bool numero = false;
    const int escala = i + 1 < argumentos.size() ? argumentos.at(i + 1).toInt(&numero) : 0;
    if (!numero || escala < TDesenhoLeds::PassoMinimo || escala > TDesenhoLeds::PassoMaximo)
        throw TErroDeUso("--scale takes the pixels from one LED to the next, 3 to 40");
    argumentos.remove(i, 2);
    return escala;
}

int executar(QStringList argumentos)
{
    const bool forcar = argumentos.removeAll(u"--force"_s) > 0;
    const bool extras = argumentos.removeAll(u"--extras"_s) > 0;
    TOpcoesImagem opcoes;
    opcoes.Escala = lerEscala(argumentos);
    if (argumentos.size() != 3 || std::any_of(argumentos.cbegin(), argumentos.cend(),
                                              [](const QString &a) { return a.startsWith(u'-'); }))
        throw TErroDeUso("render takes a project file, a destination number and the .png or .gif file to write");
    const QString &projeto = argumentos.at(0);
    bool valido = false;
    const int numero = argumentos.at(1).toInt(&valido);
    if (!valido || numero < 1)
        throw TErroDeUso("the destination number is a whole number from 1 up");
    const QString &saida = argumentos.at(2);
    const QString tipo = QFileInfo(saida).suffix().toLower();
    if (tipo != u"png" && tipo != u"gif")
        throw TErroDeUso("the file to write ends in .png (a picture) or .gif (the animation)");
    VerificarSaida(saida, {projeto, TFontesLed::ArquivoDeFontes()}, forcar);

    TDtm_Destino dados;
    AbrirProjeto(dados, projeto);
    MostrarTipo(dados, extras);
    // The clock's digits are read from the font file, completed as the program completes it.
    try {
        TFontesLed::CriarFontesPadrao();
    } catch (const TErro &e) {
        QTextStream(stderr) << ParaTerminal(e.Mensagem) << "\n";
    }
    TImagemDestino imagem(dados, numero, opcoes);
    const QString pixels = u"%1 x %2 pixels"_s.arg(imagem.Tamanho().width()).arg(imagem.Tamanho().height());
    QString detalhe;
    if (tipo == u"png") {
        imagem.GravarPng(saida);
        detalhe = u"imagem de "_s + pixels;
    } else {
        const TAnimacaoDestino::TResumo r = TAnimacaoDestino(imagem).GravarGif(saida);
        const QString tempo = r.Duracao == 0 ? u"sem movimento"_s
                              : r.Repete     ? u"ciclo de "_s + segundos(r.Duracao)
                                             : u"para após "_s + segundos(r.Duracao);
        detalhe = u"animação de %1, %2, %3"_s.arg(pixels, Quantidade(r.Quadros, u"quadro"_s, u"quadros"_s), tempo);
    }
    QTextStream(stdout) << resumo(saida, imagem, detalhe) << "\n";
    return 0;
}

const TRegistroComando registro(
    {u"render"_s, u"render PROJECT.ar1 NUMBER OUT.png|OUT.gif [--extras] [--scale N] [--force]"_s,
     u"Draws a destination's (or extra message's) signs as they look on the bus: a PNG picture, or a GIF "
     u"animation of the simulator's play; --scale sets the pixels per LED (3 to 40, 8 unless given); "
     u"--force replaces an existing file."_s,
     executar});
}
