struct config_t {
    uint8_t idle_level;
    uint8_t fan_steps[3];
    uint8_t spare ;
    uint8_t unset;
};
struct config_ext_t {
    uint8_t boost_level;
};
