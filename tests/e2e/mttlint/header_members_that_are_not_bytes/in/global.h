#define N_RAMP 4
struct config_t {
    uint8_t  mode;             // one byte: fine
    uint16_t cycle_time;       // takes two bytes in the firmware
    int8_t   offset;
    char     letter;
    unsigned char level;
    struct fan_t fan;
    uint8_t  *buffer;
    uint8_t  ramp[N_RAMP];
    uint8_t  g, h;
    uint8_t  i; uint8_t j;
    uint8_t  flag:1;
    uint8_t  spare ;
    uint8_t	tabbed;
    uint8_t  grid[2][3];
    uint8_t  steps[4];
};
struct config_ext_t {
    uint8_t  open[4;
    uint8_t  big[520];
};
