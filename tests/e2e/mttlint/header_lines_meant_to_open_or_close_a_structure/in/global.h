/* lines that a compiler takes for the opening and closing lines */
typedef struct config_t {
    uint8_t a;
} config_t;
struct config_ext_t { // page 2
    uint8_t b;
};
struct config_ext_t
{
    uint8_t c;
};
typedef struct {
    uint8_t d;
} config_ext_t;
struct config_t{
};
struct config_t {
    uint8_t e;
} config;
    uint8_t f;
} ;
}; // end
    union {
        uint8_t g;
        uint8_t h;
    };
    uint8_t lost;
};
