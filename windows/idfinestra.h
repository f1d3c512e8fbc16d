#pragma once

// Every window of the program.
enum class IdFinestra {
    FormAvvio,
    FormMenu,
    FormChiGioca,
    Form1,
    Form2,
    Form3,
    Form4,
    Form5,
    Form6,
    Form7,
    Form8,
    FormVedi,
    FormVedi2,
    FormVedi3,
    OPZIONI,
    pag1,
    pag2,
};
