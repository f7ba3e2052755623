struct config_t {
uint8_t a;
uint8_t b;
uint8_t c;
uint8_t d;
};   
struct config_ext_t {
uint8_t e;
}; // not the end
uint8_t f;
};