<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id_ID">
<context>
    <name>ScreenReader</name>
    <message>
        <source>light-brown ball</source>
        <translation>bola cokelat muda</translation>
    </message>
    <message>
        <source>green ball</source>
        <translation>bola hijau</translation>
    </message>
    <message>
        <source>red ball</source>
        <translation>bola merah</translation>
    </message>
    <message>
        <source>pale turquoise ball</source>
        <translation>bola toska muda</translation>
    </message>
    <message>
        <source>magenta ball</source>
        <translation>bola magenta</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>kosong</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>baris %1, kolom %2</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Papan</translation>
    </message>
    <message>
        <source>Selected %1</source>
        <extracomment>%1 is the number of balls in the group the player has marked.</extracomment>
        <translation>Terpilih %1</translation>
    </message>
    <message>
        <source>Score %1</source>
        <translation>Skor %1</translation>
    </message>
    <message>
        <source>Level %1</source>
        <extracomment>%1 is the level&apos;s name, which stays as the game shows it: &quot;Piece of Tokay&quot; or &quot;Nightmare&quot;.</extracomment>
        <translation>Tingkat %1</translation>
    </message>
    <message>
        <source>Game over, %1</source>
        <extracomment>%1 is the final score as the score&apos;s own news says it, such as &quot;Score 84&quot;.</extracomment>
        <translation>Permainan selesai, %1</translation>
    </message>
</context>
<context>
    <name>Terminal</name>
    <message>
        <source>cannot open a window: neither DISPLAY nor WAYLAND_DISPLAY is set</source>
        <translation>tidak dapat membuka jendela: baik DISPLAY maupun WAYLAND_DISPLAY tidak diatur</translation>
    </message>
    <message>
        <source>cannot open a window: no display answers (%1)</source>
        <translation>tidak dapat membuka jendela: tidak ada layar yang merespons (%1)</translation>
    </message>
    <message>
        <source>Usage: gelumpa [OPTION]...
Gelumpa Dravenik, a puzzle game: clear a board of coloured balls group by group.

      --symbols  draw a black shape inside each ball as well, one for each colour:
                 a ring, a plus, a cross, a square or a triangle
  -h, --help     show this help and leave
      --version  show the version and leave

Qt&apos;s own options, such as -platform NAME, -display DISPLAY or -style STYLE,
are handed on to Qt. See the manual page gelumpa(6).
</source>
        <translation>Penggunaan: gelumpa [OPSI]...
Gelumpa Dravenik, permainan teka-teki: bersihkan papan bola berwarna
kelompok demi kelompok.

      --symbols  gambarkan juga sebuah bentuk hitam di dalam setiap bola, satu
                 untuk setiap warna: cincin, tanda tambah, tanda silang,
                 persegi, atau segitiga
  -h, --help     tampilkan bantuan ini lalu keluar
      --version  tampilkan versi lalu keluar

Opsi milik Qt sendiri, seperti -platform NAMA, -display LAYAR, atau -style GAYA,
diteruskan ke Qt. Lihat halaman manual gelumpa(6).
</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argumen tak terduga &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opsi tidak dikenal &apos;%1&apos;</translation>
    </message>
    <message>
        <source>missing value after &apos;%1&apos;</source>
        <translation>tidak ada nilai setelah &apos;%1&apos;</translation>
    </message>
    <message>
        <source>cannot open a window: %1 beside the program is missing or cannot be loaded</source>
        <translation>tidak dapat membuka jendela: %1 di samping program tidak ada atau tidak dapat dimuat</translation>
    </message>
</context>
</TS>
