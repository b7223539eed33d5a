#include "panel/UImagemLeds.h"

#include <algorithm>
#include <cmath>

QSize TamanhoEmLeds(QSize imagem, int linhas, int colunas, TAjusteImagem ajuste, bool limitarColunas)
{
    if (imagem.isEmpty() || linhas < 1 || colunas < 1)
        return {};
    if (ajuste == TAjusteImagem::PainelInteiro)
        return {colunas, linhas};
    const double proporcao = double(imagem.width()) / imagem.height();
    int largura = std::max(1, int(std::lround(linhas * proporcao)));
    int altura = linhas;
    if (limitarColunas && largura > colunas) {
        largura = colunas;
        altura = std::clamp(int(std::lround(colunas / proporcao)), 1, linhas);
    }
    return {largura, altura};
}

TGradeLeds ImagemParaLeds(const QImage &imagem, QSize tamanho, const TOpcoesImagem &opcoes)
{
    TGradeLeds grade(tamanho.height());
    if (imagem.isNull() || tamanho.isEmpty())
        return grade;
    // Qt's smooth scaling averages every pixel an LED covers when it shrinks;
    // premultiplied, a transparent pixel adds no colour to the average.
    const QImage leds = imagem.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                            .scaled(tamanho, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                            .convertToFormat(QImage::Format_ARGB32);
    for (int l = 0; l < tamanho.height(); ++l)
        for (int c = 0; c < tamanho.width(); ++c) {
            const QRgb ponto = leds.pixel(c, l);
            const bool opaco = qAlpha(ponto) >= 128;
            const bool escuro = qGray(ponto) < opcoes.Limiar;
            grade.Definir(l + 1, c + 1, opaco && escuro != opcoes.Inverter);
        }
    return grade;
}
