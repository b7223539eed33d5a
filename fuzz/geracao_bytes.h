#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include "editor/UCfgRotativo.h"
#include "output/UGeracaoArquivo.h"
#include "panel/UConteudoPainel.h"

// Fills a file builder from bytes, as the transfer fills it: signs created in
// slot order, each with a size that fits the file (1 to 16 rows, 1 to 255
// columns), then destinations and extra messages with any numbers, lengths,
// directions, windows and clocks the bytes give. Past the end of the bytes
// every choice is 0.
class TGeracaoDosBytes {
public:
    explicit TGeracaoDosBytes(QByteArrayView bytes) : bytes(bytes) {}

    void Preencher(TGeracaoArquivo &g)
    {
        g.DefinirTipoArquivo(Byte());
        const int baixo = Byte();
        const int ocupados = baixo | Byte() << 8; // one bit per slot; none means slot 1
        for (int slot = 1; slot <= QtdSlotsArquivo; ++slot) {
            if (!(ocupados & (1 << (slot - 1))) && !(ocupados == 0 && slot == 1))
                continue;
            TPainel &p = g.ObterPainel(slot);
            p.DefinirLinhas(1 + Ate(16));
            p.DefinirColunas(Ate(4) == 0 ? 1 + Byte() % 255 : 1 + Ate(24));
            for (int n = Ate(5); n > 0; --n)
                Destino(p);
            for (int n = Ate(4); n > 0; --n)
                Extra(p);
        }
    }

private:
    int Byte() { return posicao < bytes.size() ? static_cast<unsigned char>(bytes[posicao++]) : 0; }
    int Ate(int n) { return Byte() % n; }

    QList<QByteArray> Conteudo(const TPainel &p, int mensagens)
    {
        QList<QByteArray> conteudo;
        for (int m = 0; m < mensagens; ++m) {
            QByteArray texto;
            for (int n = Ate(6); n > 0; --n)
                TConteudoPainel::EscreverEntradaLed(texto, 1 + Ate(p.Linhas()), 1 + Ate(p.Colunas()), Ate(2));
            conteudo << texto;
        }
        return conteudo;
    }
    QString Rotulo()
    {
        QString rotulo;
        for (int n = Ate(16); n > 0; --n)
            rotulo += QChar(Byte());
        return rotulo;
    }

    void Destino(TPainel &p)
    {
        TDestinos &d = p.ObterDestino(1 + Ate(6));
        d.QtdMensagens = 1 + Ate(3);
        d.Conteudo = Conteudo(p, d.QtdMensagens);
        d.Rotulo = Rotulo();
        d.TempoExposicao = Byte();
        d.DefinirSentido(SentidoDoCodigo(Ate(8)));
        if (d.Sentido != TRolagem::tsNenhum) {
            d.TamanhoMensagem = Ate(4) == 0 ? 0 : 1 + Byte();
            d.PosXInicial = 1 + Ate(p.Colunas());
            d.PosXFinal = 1 + Ate(p.Colunas());
            d.PosYInicial = 1 + Ate(p.Linhas());
            d.PosYFinal = 1 + Ate(p.Linhas());
        }
    }

    void Extra(TPainel &p)
    {
        TExtras &e = p.ObterExtra(1 + Ate(5));
        e.QtdMensagens = Ate(3);
        e.Conteudo = Conteudo(p, e.QtdMensagens);
        e.Rotulo = Rotulo();
        e.TempoExposicao = Byte();
        if (Ate(2)) {
            e.FonteRelogio = static_cast<TTipoFonte>(Ate(13));
            e.Sentido = TRolagem::tsHorario;
            e.PosXInicial = 1 + Ate(p.Colunas());
            e.PosXFinal = 1 + Ate(p.Colunas());
            e.PosYInicial = 1 + Ate(p.Linhas());
            e.PosYFinal = e.PosYInicial;
        } else {
            e.Sentido = SentidoDoCodigo(Ate(8));
        }
    }

    QByteArrayView bytes;
    qsizetype posicao = 0;
};
