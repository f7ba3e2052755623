/*
 * global.h - shared types and settings of the fan controller firmware.
 *
 * The two settings pages, config_t and config_ext_t, are stored byte by
 * byte in the settings flash; keep every member one byte wide and add new
 * members at the end so that older images stay valid.
 */
#ifndef GLOBAL_H
#define GLOBAL_H

#include <stdint.h>

#define FAN_COUNT        2
#define CURVE_POINTS     6       /* points of the temperature curve */
#define SERIAL_LENGTH    8

// Version of the settings layout; raise it when a page changes.
#define CONFIG_LAYOUT    3

typedef enum {
    MODE_OFF = 0,
    MODE_AUTO = 1,
    MODE_MANUAL = 2,
} fan_mode_t;

/* Live readings, kept in RAM only. */
typedef struct {
    uint16_t temperature_raw;     // ADC counts
    int16_t  temperature_c10;     // tenths of a degree
    uint16_t fan_rpm[FAN_COUNT];
    uint8_t  duty_now[FAN_COUNT];
    uint8_t  *rx_buffer;
    volatile uint8_t tick_flags;
} readings_t;

/** Factory data, written once at the end of the production line. */
struct factory_t {
    char     serial[SERIAL_LENGTH];
    uint32_t build_date;          /* seconds since 2000-01-01 */
    uint8_t  hardware_revision;
    uint8_t  calibration[2][4];   // gain and offset per sensor
};

/*
   Settings page 1: the fan behaviour.
   Temperatures are in whole degrees, duties in 1/255 of full speed.
*/
struct config_t {
    uint8_t  mode;                // a fan_mode_t value
    uint8_t  idle_duty;           /* duty below the first curve point */
    uint8_t  curve_temp[6];       // CURVE_POINTS entries
    uint8_t  curve_duty[6];
    uint8_t  hysteresis;
    uint8_t  spin_up_duty;
    uint8_t  spin_up_time;        // in 100 ms steps
#if FAN_COUNT > 1
    uint8_t  second_fan_ratio;    /* percent of the first fan's duty */
#endif
    uint8_t  alarm_temp;
    uint8_t  flags;               // bit 0: beep, bit 1: LED, bit 2: log
};

/*
 * Settings page 2: added with layout 3. Older images leave it unset.
 */
struct config_ext_t {
    uint8_t  led_brightness;
    uint8_t  night_start_hour;
    uint8_t  night_end_hour;
    uint8_t  night_duty_limit;    // cap while the night window is open
    uint8_t  reserved[2];         /* keep the page at 8 bytes */
};

/* Functions shared between the modules. */
void    settings_load(struct config_t *config, struct config_ext_t *ext);
uint8_t settings_checksum(const uint8_t *bytes, uint16_t length);

#endif /* GLOBAL_H */
